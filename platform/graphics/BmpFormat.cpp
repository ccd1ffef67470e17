#include "platform/graphics/BmpFormat.h"

#include <cstring>
#include <string>
#include <unordered_map>

#include "platform/core/Exceptions.h"
#include "platform/graphics/LittleEndian.h"

namespace {
constexpr uint32_t BI_RGB = 0;
constexpr uint32_t BI_RLE8 = 1;
constexpr uint32_t BI_RLE4 = 2;
constexpr uint32_t BI_BITFIELDS = 3;
constexpr int64_t kMaxSide = 32767;  // as large as the platform's bitmaps go

[[noreturn]] void Bad(const std::string& why) { throw EInvalidGraphic("Invalid bitmap: " + why); }

// Little-endian reads that never leave the data.
class TBytes {
 public:
  TBytes(const uint8_t* data, size_t size) : FData(data), FSize(size) {}
  void Need(uint64_t offset, uint64_t length) const {
    if (offset > FSize || length > FSize - offset) Bad("the data ends before the bitmap does");
  }
  uint8_t U8(uint64_t offset) const {
    Need(offset, 1);
    return FData[offset];
  }
  uint16_t U16(uint64_t offset) const {
    Need(offset, 2);
    return static_cast<uint16_t>(FData[offset] | FData[offset + 1] << 8);
  }
  uint32_t U32(uint64_t offset) const {
    Need(offset, 4);
    return static_cast<uint32_t>(FData[offset]) | static_cast<uint32_t>(FData[offset + 1]) << 8 |
           static_cast<uint32_t>(FData[offset + 2]) << 16 |
           static_cast<uint32_t>(FData[offset + 3]) << 24;
  }
  int32_t I32(uint64_t offset) const { return static_cast<int32_t>(U32(offset)); }
  const uint8_t* At(uint64_t offset) const { return FData + offset; }

 private:
  const uint8_t* FData;
  size_t FSize;
};

// One channel of a bit-field pixel, scaled to 0..255.
struct TChannel {
  uint32_t Mask = 0;
  int Shift = 0;
  uint32_t Max = 0;
  explicit TChannel(uint32_t mask) : Mask(mask) {
    if (!mask) return;
    while (!((mask >> Shift) & 1)) ++Shift;
    Max = mask >> Shift;
  }
  int Of(uint32_t v) const {
    if (!Max) return 0;
    return static_cast<int>(((v & Mask) >> Shift) * 255 / Max);
  }
};

uint64_t StrideOf(uint64_t width, int bits) { return (width * static_cast<uint64_t>(bits) + 31) / 32 * 4; }

std::vector<QRgb> StandardPalette(int bits) {
  if (bits == 1) return {qRgb(0, 0, 0), qRgb(255, 255, 255)};
  std::vector<QRgb> vga = {
      qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
      qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(128, 128, 128),
      qRgb(192, 192, 192), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
      qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
  if (bits == 4) return vga;
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b) vga.push_back(qRgb(r * 51, g * 51, b * 51));
  for (int i = 0; vga.size() < 256; ++i) vga.push_back(qRgb(8 + i * 10, 8 + i * 10, 8 + i * 10));
  return vga;
}

}  // namespace

int NearestPaletteIndex(const std::vector<QRgb>& palette, QRgb c) {
  int best = 0;
  long bestDistance = -1;
  for (size_t i = 0; i < palette.size(); ++i) {
    long dr = qRed(c) - qRed(palette[i]), dg = qGreen(c) - qGreen(palette[i]),
         db = qBlue(c) - qBlue(palette[i]);
    long d = dr * dr + dg * dg + db * db;
    if (bestDistance < 0 || d < bestDistance) {
      bestDistance = d;
      best = static_cast<int>(i);
    }
  }
  return best;
}

namespace {
// Maps colours to palette indexes: the exact entry, else the nearest.
class TIndexer {
 public:
  explicit TIndexer(const std::vector<QRgb>& palette) : FPalette(palette) {
    for (size_t i = palette.size(); i-- > 0;) FCache[palette[i] | 0xFF000000u] = static_cast<int>(i);
  }
  int IndexOf(QRgb c) {
    c |= 0xFF000000u;
    auto it = FCache.find(c);
    if (it != FCache.end()) return it->second;
    return FCache[c] = NearestPaletteIndex(FPalette, c);
  }

 private:
  const std::vector<QRgb>& FPalette;
  std::unordered_map<QRgb, int> FCache;
};
}  // namespace

int BitsOfPixelFormat(TPixelFormat format) {
  switch (format) {
    case pf1bit: return 1;
    case pf4bit: return 4;
    case pf8bit: return 8;
    case pf32bit: return 32;
    default: return 24;
  }
}

size_t BmpFileSize(const uint8_t* data, size_t size) {
  if (size < 14 || data[0] != 'B' || data[1] != 'M') return 0;
  return TBytes(data, size).U32(2);
}

TDib ReadDib(const uint8_t* data, size_t size, bool withFileHeader, bool forIcon) {
  TBytes b(data, size);
  uint64_t dib = 0;
  uint64_t bitsOffset = 0;
  bool bitsOffsetGiven = false;
  if (withFileHeader) {
    if (size < 14 || data[0] != 'B' || data[1] != 'M') Bad("the data does not start with \"BM\"");
    dib = 14;
    bitsOffset = b.U32(10);
    bitsOffsetGiven = bitsOffset != 0;
  }
  uint32_t headerSize = b.U32(dib);
  int64_t width = 0, height = 0;
  int planes = 0, bits = 0;
  uint32_t compression = BI_RGB, colorsUsed = 0;
  uint64_t entrySize = 4;
  if (headerSize == 12) {  // the older core header: 16-bit sizes, 3-byte colours
    width = b.U16(dib + 4);
    height = b.U16(dib + 6);
    planes = b.U16(dib + 8);
    bits = b.U16(dib + 10);
    entrySize = 3;
  } else if (headerSize >= 40 && headerSize <= 124) {
    b.Need(dib, headerSize);
    width = b.I32(dib + 4);
    height = b.I32(dib + 8);
    planes = b.U16(dib + 12);
    bits = b.U16(dib + 14);
    compression = b.U32(dib + 16);
    colorsUsed = b.U32(dib + 32);
  } else {
    Bad("unknown header size " + std::to_string(headerSize));
  }
  if (planes != 1) Bad("the plane count is " + std::to_string(planes) + ", not 1");
  bool topDown = height < 0;
  if (topDown) height = -height;
  if (forIcon) height /= 2;
  if (width <= 0 || height <= 0) Bad("the width and height must be positive");
  if (width > kMaxSide || height > kMaxSide) Bad("the bitmap is too large");
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
    Bad(std::to_string(bits) + " bits per pixel are not supported");
  if (compression == BI_RLE8 || compression == BI_RLE4) Bad("compressed bitmaps (RLE) are not supported");
  if (compression != BI_RGB && !(compression == BI_BITFIELDS && (bits == 16 || bits == 32)))
    Bad("unknown compression " + std::to_string(compression));

  uint64_t tables = dib + headerSize;
  uint32_t masks[4] = {0, 0, 0, 0};
  if (bits == 16) {
    masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
  } else if (bits == 32) {
    masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF, masks[3] = 0xFF000000u;
  }
  if (compression == BI_BITFIELDS) {
    // After a plain info header the masks follow it; later headers hold them.
    uint64_t at = headerSize == 40 ? tables : dib + 40;
    for (int i = 0; i < 3; ++i) masks[i] = b.U32(at + 4 * static_cast<uint64_t>(i));
    masks[3] = headerSize >= 56 ? b.U32(dib + 52) : 0;
    if (headerSize == 40) tables += 12;
  }

  TDib result;
  uint64_t paletteCount = 0;
  if (bits <= 8) {
    uint64_t maxCount = uint64_t{1} << bits;
    paletteCount = colorsUsed ? colorsUsed : maxCount;
    if (paletteCount > maxCount) Bad("the colour table has more entries than the bits can address");
  } else if (colorsUsed && colorsUsed <= 256) {
    paletteCount = colorsUsed;  // present but unused
  } else if (colorsUsed) {
    Bad("the colour table is too large");
  }
  b.Need(tables, paletteCount * entrySize);
  if (bits <= 8) {
    for (uint64_t i = 0; i < paletteCount; ++i) {
      uint64_t at = tables + i * entrySize;
      result.Palette.push_back(qRgb(b.U8(at + 2), b.U8(at + 1), b.U8(at)));
    }
  }
  if (!bitsOffsetGiven) bitsOffset = tables + paletteCount * entrySize;

  uint64_t stride = StrideOf(static_cast<uint64_t>(width), bits);
  b.Need(bitsOffset, stride * static_cast<uint64_t>(height));
  uint64_t maskStride = StrideOf(static_cast<uint64_t>(width), 1);
  uint64_t maskOffset = bitsOffset + stride * static_cast<uint64_t>(height);
  bool haveMask = false;
  if (forIcon) {
    haveMask = maskOffset + maskStride * static_cast<uint64_t>(height) <= size;
    if (!haveMask && bits != 32) Bad("the icon's mask is missing");
  }

  bool alpha = false;
  if (bits == 32 && masks[3]) {
    TChannel a(masks[3]);
    for (int64_t y = 0; y < height && !alpha; ++y) {
      const uint8_t* row = b.At(bitsOffset + stride * static_cast<uint64_t>(y));
      for (int64_t x = 0; x < width; ++x) {
        uint32_t v;
        std::memcpy(&v, row + 4 * x, 4);
        if (a.Of(v)) {
          alpha = true;
          break;
        }
      }
    }
  }
  bool useMask = haveMask && !alpha;
  QImage image(static_cast<int>(width), static_cast<int>(height),
               alpha || useMask ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  if (image.isNull()) throw EOutOfMemory("Out of memory for a bitmap of that size");
  TChannel r(masks[0]), g(masks[1]), bl(masks[2]), a(masks[3]);
  auto paletteColor = [&](unsigned index) -> QRgb {
    return index < result.Palette.size() ? result.Palette[index] : qRgb(0, 0, 0);
  };
  for (int64_t y = 0; y < height; ++y) {
    const uint8_t* row = b.At(bitsOffset + stride * static_cast<uint64_t>(y));
    int line = static_cast<int>(topDown ? y : height - 1 - y);
    auto* out = reinterpret_cast<QRgb*>(image.scanLine(line));
    for (int64_t x = 0; x < width; ++x) {
      QRgb c;
      switch (bits) {
        case 1: c = paletteColor((row[x / 8] >> (7 - x % 8)) & 1); break;
        case 4: c = paletteColor((row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF); break;
        case 8: c = paletteColor(row[x]); break;
        case 16: {
          uint32_t v = static_cast<uint32_t>(row[2 * x] | row[2 * x + 1] << 8);
          c = qRgb(r.Of(v), g.Of(v), bl.Of(v));
          break;
        }
        case 24: c = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]); break;
        default: {
          uint32_t v;
          std::memcpy(&v, row + 4 * x, 4);
          c = alpha ? qRgba(r.Of(v), g.Of(v), bl.Of(v), a.Of(v)) : qRgb(r.Of(v), g.Of(v), bl.Of(v));
        }
      }
      out[x] = c;
    }
    if (useMask) {
      const uint8_t* maskRow = b.At(maskOffset + maskStride * static_cast<uint64_t>(y));
      for (int64_t x = 0; x < width; ++x)
        if ((maskRow[x / 8] >> (7 - x % 8)) & 1) out[x] = qRgba(0, 0, 0, 0);
    }
  }
  result.Image = image;
  switch (bits) {
    case 1: result.Format = pf1bit; break;
    case 4: result.Format = pf4bit; break;
    case 8: result.Format = pf8bit; break;
    case 16: result.Format = masks[1] == 0x07E0 ? pf16bit : pf15bit; break;
    case 24: result.Format = pf24bit; break;
    default: result.Format = pf32bit;
  }
  return result;
}

std::vector<QRgb> PaletteFor(const QImage& image, int bits, const std::vector<QRgb>& palette) {
  size_t maxCount = size_t{1} << bits;
  if (!palette.empty())
    return std::vector<QRgb>(palette.begin(), palette.begin() + std::min(palette.size(), maxCount));
  std::vector<QRgb> own;
  std::unordered_map<QRgb, int> seen;
  QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < rgb.height(); ++y) {
    auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) {
      if (seen.emplace(line[x], 0).second) {
        own.push_back(line[x]);
        if (own.size() > maxCount) return StandardPalette(bits);
      }
    }
  }
  return own.empty() ? StandardPalette(bits) : own;
}

std::vector<uint8_t> WriteBmpFile(const QImage& image, TPixelFormat format,
                                  const std::vector<QRgb>& palette) {
  int bits = BitsOfPixelFormat(format);
  QImage source = image.convertToFormat(bits == 32 ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  int width = source.width(), height = source.height();
  std::vector<QRgb> colors = bits <= 8 ? PaletteFor(source, bits, palette) : std::vector<QRgb>{};
  uint64_t stride = StrideOf(static_cast<uint64_t>(width), bits);
  uint32_t imageSize = static_cast<uint32_t>(stride * static_cast<uint64_t>(height));
  uint32_t offBits = 14 + 40 + static_cast<uint32_t>(colors.size()) * 4;

  std::vector<uint8_t> out;
  out.reserve(offBits + imageSize);
  out.push_back('B');
  out.push_back('M');
  PutU32(out, offBits + imageSize);
  PutU32(out, 0);
  PutU32(out, offBits);
  PutU32(out, 40);
  PutU32(out, static_cast<uint32_t>(width));
  PutU32(out, static_cast<uint32_t>(height));
  PutU16(out, 1);
  PutU16(out, static_cast<uint16_t>(bits));
  PutU32(out, BI_RGB);
  PutU32(out, imageSize);
  PutU32(out, 0);
  PutU32(out, 0);
  PutU32(out, static_cast<uint32_t>(colors.size()));
  PutU32(out, 0);
  for (QRgb c : colors) {
    out.push_back(static_cast<uint8_t>(qBlue(c)));
    out.push_back(static_cast<uint8_t>(qGreen(c)));
    out.push_back(static_cast<uint8_t>(qRed(c)));
    out.push_back(0);
  }
  TIndexer indexer(colors);
  std::vector<uint8_t> row(stride);
  for (int y = height - 1; y >= 0; --y) {
    std::fill(row.begin(), row.end(), 0);
    auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    for (int x = 0; x < width; ++x) {
      QRgb c = line[x];
      switch (bits) {
        case 1: row[x / 8] |= static_cast<uint8_t>(indexer.IndexOf(c) << (7 - x % 8)); break;
        case 4: row[x / 2] |= static_cast<uint8_t>(indexer.IndexOf(c) << (x % 2 ? 0 : 4)); break;
        case 8: row[x] = static_cast<uint8_t>(indexer.IndexOf(c)); break;
        case 24:
          row[3 * x] = static_cast<uint8_t>(qBlue(c));
          row[3 * x + 1] = static_cast<uint8_t>(qGreen(c));
          row[3 * x + 2] = static_cast<uint8_t>(qRed(c));
          break;
        default:
          row[4 * x] = static_cast<uint8_t>(qBlue(c));
          row[4 * x + 1] = static_cast<uint8_t>(qGreen(c));
          row[4 * x + 2] = static_cast<uint8_t>(qRed(c));
          row[4 * x + 3] = static_cast<uint8_t>(qAlpha(c));
      }
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}
