#pragma once
// TBitmap: a picture of pixels, kept as an image in memory, with a canvas on
// a memory DC over it. Files and streams use the .bmp format at 1, 4, 8, 24
// or 32 bits per pixel (PixelFormat); bitmaps of 8 bits and fewer keep their
// colour table.
//
// Bitmap resources (RT_BITMAP) may hold a whole .bmp file or only its DIB
// (without the 14-byte file header); both load.

#include <QRgb>
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/Colors.h"
#include "platform/graphics/Graphic.h"
#include "platform/graphics/PixelFormat.h"
#include "platform/windows/WinTypes.h"

class QImage;
class TBitmapCanvas;

enum TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TGraphic {
  MORVANE_CLASS(TBitmap, TGraphic)

 public:
  TBitmap();
  ~TBitmap() override;
  void Assign(TPersistent* source) override;

  bool Empty() const override;
  int32_t Width() const override;
  void SetWidth(int32_t value) override;
  int32_t Height() const override;
  void SetHeight(int32_t value) override;
  // New pixels are white; the pixels that stay keep their colours.
  void SetSize(int32_t width, int32_t height);

  TPixelFormat PixelFormat() const { return FPixelFormat; }
  void SetPixelFormat(TPixelFormat value);
  bool Monochrome() const { return FPixelFormat == pf1bit; }
  void SetMonochrome(bool value);
  // Colours of the colour table, $00BBGGRR; empty for bitmaps without one.
  std::vector<TColor> Palette() const;

  // The colour drawn see-through when Transparent: the bottom-left pixel in
  // tmAuto mode, the colour set in tmFixed mode.
  TColor TransparentColor() const;
  void SetTransparentColor(TColor value);
  TTransparentMode TransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(TTransparentMode value);

  // A canvas on the bitmap; drawing on it changes the bitmap.
  TCanvas* Canvas();
  // The pixels as they are now.
  const QImage& Image() const { return *FImage; }
  void SetImage(const QImage& image);

  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;
  // A bitmap resource of a module; EResNotFound when there is none.
  void LoadFromResourceName(HINSTANCE instance, const std::string& name);
  void LoadFromResourceID(HINSTANCE instance, int id);

  // Memory hints of the platform; the image stays as it is.
  void Dormant() {}
  void FreeImage() {}

 protected:
  void Draw(TCanvas* canvas, const TRect& rect) override;
  // "Data": a 32-bit size, then the .bmp file.
  void ReadData(TStream& stream) override;
  void WriteData(TStream& stream) override;

 private:
  friend class TBitmapCanvas;
  void LoadFromBytes(const uint8_t* data, size_t size, bool withFileHeader);
  void ReplaceImage(const QImage& image);

  std::unique_ptr<QImage> FImage;
  TPixelFormat FPixelFormat = pfDevice;
  std::vector<QRgb> FPalette;
  TColor FTransparentColor = clDefault;
  TTransparentMode FTransparentMode = tmAuto;
  TBitmapCanvas* FCanvas = nullptr;
};
