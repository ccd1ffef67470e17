#pragma once
// Reading and writing device-independent bitmaps: .bmp files (a file header,
// then the DIB), DIBs alone (as bitmap resources and icons keep them), with
// BITMAPINFOHEADER and its later extensions, or the older core header.
// Every size in a header is checked against the bytes that are really there
// before anything is allocated; bad data raises EInvalidGraphic.

#include <QImage>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/graphics/PixelFormat.h"

struct TDib {
  // Format_RGB32, or Format_ARGB32 when the bitmap has alpha (32 bits).
  QImage Image;
  TPixelFormat Format = pf24bit;
  // The colour table of bitmaps of 8 bits and fewer.
  std::vector<QRgb> Palette;
};

// data holds a .bmp file ("BM" and its header) when withFileHeader, else a
// DIB starting with its info header. forIcon: the DIB of an icon image, twice
// as high as the image, with the AND mask below the colours; the mask turns
// into alpha.
TDib ReadDib(const uint8_t* data, size_t size, bool withFileHeader, bool forIcon = false);

// The size a .bmp file says it has (its file header), or 0 when data does not
// start with a plausible file header.
size_t BmpFileSize(const uint8_t* data, size_t size);

// A .bmp file of image at format (1, 4, 8 or 24 bits; 32 keeps alpha; other
// formats are written at 24). palette: the colour table for 8 bits and fewer;
// empty: the image's own colours when they fit, else a standard palette.
std::vector<uint8_t> WriteBmpFile(const QImage& image, TPixelFormat format,
                                  const std::vector<QRgb>& palette);

// The colour table WriteBmpFile uses for image at bits per pixel.
std::vector<QRgb> PaletteFor(const QImage& image, int bits, const std::vector<QRgb>& palette);

// The index of the palette entry nearest to c (first of equals).
int NearestPaletteIndex(const std::vector<QRgb>& palette, QRgb c);

// Bits per pixel of a pixel format, as a file keeps it.
int BitsOfPixelFormat(TPixelFormat format);
