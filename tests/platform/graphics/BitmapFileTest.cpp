#include <gtest/gtest.h>

#include <QImage>
#include <cstring>

#include "GraphicsTestSupport.h"
#include "platform/core/Exceptions.h"
#include "platform/graphics/Canvas.h"

namespace {
std::string Saved(TBitmap& bitmap) {
  TStringStream s;
  bitmap.SaveToStream(s);
  return s.DataString();
}

void Load(TBitmap& bitmap, const std::string& bytes) {
  TStringStream s(bytes);
  bitmap.LoadFromStream(s);
}

uint32_t U32At(const std::string& s, size_t at) {
  uint32_t v;
  std::memcpy(&v, s.data() + at, 4);
  return v;
}
void PutU32At(std::string& s, size_t at, uint32_t v) { std::memcpy(s.data() + at, &v, 4); }

// A 7 x 5 picture (odd widths exercise row padding) with colours the format can hold.
void Paint(TBitmap& bitmap, const std::vector<TColor>& colors) {
  MakeBitmap(bitmap, 7, 5, colors[0]);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) bitmap.Canvas()->SetPixels(x, y, colors[(x + 2 * y) % colors.size()]);
}

TEST(BitmapFile, RoundTripsAtEveryDepthWithExactPixels) {
  struct {
    TPixelFormat Format;
    int Bits;
    std::vector<TColor> Colors;
  } cases[] = {
      {pf1bit, 1, {clBlack, clWhite}},
      {pf4bit, 4, {clRed, clNavy, clTeal, clYellow, clWhite, clBlack}},
      {pf8bit, 8, {0x102030, 0x405060, 0x708090, 0xA0B0C0, 0x0000FF, 0xFFFFFF, 0x010101}},
      {pf24bit, 24, {0x123456, 0xFEDCBA, 0x000001, 0x7F8081}},
  };
  for (auto& c : cases) {
    TBitmap original;
    Paint(original, c.Colors);
    original.SetPixelFormat(c.Format);
    std::vector<TColor> pixels = PixelsOf(original);
    std::string file = Saved(original);
    ASSERT_GE(file.size(), 54u);
    EXPECT_EQ(file.substr(0, 2), "BM");
    EXPECT_EQ(U32At(file, 2), file.size());
    EXPECT_EQ(static_cast<uint8_t>(file[28]), c.Bits);
    uint32_t stride = (7 * c.Bits + 31) / 32 * 4;
    EXPECT_EQ(file.size(), U32At(file, 10) + stride * 5) << c.Bits;

    TBitmap copy;
    Load(copy, file);
    EXPECT_EQ(copy.PixelFormat(), c.Format);
    EXPECT_EQ(copy.Width(), 7);
    EXPECT_EQ(copy.Height(), 5);
    EXPECT_EQ(PixelsOf(copy), pixels) << c.Bits;
    EXPECT_EQ(Saved(copy), file) << c.Bits;
  }
}

TEST(BitmapFile, ReadsTopDownCoreHeaderAnd32BitBitmaps) {
  TBitmap original;
  Paint(original, {0x00112233, 0x00445566, 0x00778899});
  std::vector<TColor> pixels = PixelsOf(original);
  original.SetPixelFormat(pf24bit);
  std::string file = Saved(original);

  // The same rows stored top-down: negative height, rows reversed.
  std::string topDown = file;
  PutU32At(topDown, 22, static_cast<uint32_t>(-5));
  size_t offset = U32At(file, 10), stride = 24;
  for (size_t row = 0; row < 5; ++row)
    topDown.replace(offset + row * stride, stride, file, offset + (4 - row) * stride, stride);
  TBitmap a;
  Load(a, topDown);
  EXPECT_EQ(PixelsOf(a), pixels);

  // The older 12-byte header: 16-bit width and height, planes, bits.
  std::string core = file.substr(0, 14);
  core += std::string("\x0C\0\0\0\x07\0\x05\0\x01\0\x18\0", 12);
  core += file.substr(offset);
  PutU32At(core, 10, 26);
  PutU32At(core, 2, static_cast<uint32_t>(core.size()));
  TBitmap b;
  Load(b, core);
  EXPECT_EQ(PixelsOf(b), pixels);

  // 32 bits per pixel with alpha keeps it.
  QImage image(2, 1, QImage::Format_ARGB32);
  image.setPixel(0, 0, qRgba(10, 20, 30, 255));
  image.setPixel(1, 0, qRgba(40, 50, 60, 128));
  TBitmap alpha;
  alpha.SetImage(image);
  alpha.SetPixelFormat(pf32bit);
  TBitmap read;
  Load(read, Saved(alpha));
  EXPECT_EQ(read.PixelFormat(), pf32bit);
  EXPECT_EQ(read.Image().pixel(1, 0), qRgba(40, 50, 60, 128));
}

TEST(BitmapFile, BadFilesRaiseInvalidGraphicAndLeaveTheBitmapAsItWas) {
  TBitmap original;
  Paint(original, {clRed, clBlue, clLime});
  original.SetPixelFormat(pf8bit);
  const std::string good = Saved(original);
  auto with = [&](size_t at, uint32_t value) {
    std::string s = good;
    PutU32At(s, at, value);
    return s;
  };
  auto with16 = [&](size_t at, uint16_t value) {
    std::string s = good;
    std::memcpy(s.data() + at, &value, 2);
    return s;
  };
  struct {
    const char* What;
    std::string Bytes;
  } cases[] = {
      {"empty", ""},
      {"no signature", "XY" + good.substr(2)},
      {"file header only", good.substr(0, 14)},
      {"truncated pixels", good.substr(0, good.size() - 3)},
      {"unknown header size", with(14, 20)},
      {"zero width", with(18, 0)},
      {"negative width", with(18, 0xFFFFFFF0u)},
      {"absurd width", with(18, 0x7FFFFFFF)},
      {"absurd height", with(22, 0x40000000)},
      {"two planes", with16(26, 2)},
      {"odd bit count", with16(28, 7)},
      {"run-length compression", with(30, 1)},
      {"unknown compression", with(30, 77)},
      {"huge colour table", with(46, 1000)},
      {"pixels past the end", with(10, 0x7FFFFFF0)},
  };
  TBitmap target;
  MakeBitmap(target, 3, 2, clAqua);
  std::vector<TColor> before = PixelsOf(target);
  for (auto& c : cases) {
    TStringStream s(c.Bytes);
    EXPECT_THROW(target.LoadFromStream(s), EInvalidGraphic) << c.What;
    EXPECT_EQ(s.Position(), 0) << c.What;
    EXPECT_EQ(PixelsOf(target), before) << c.What;
  }
  try {
    Load(target, with16(28, 7));
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message(), "Invalid bitmap: 7 bits per pixel are not supported");
  }
}

TEST(BitmapFile, TransparentColourIsTheBottomLeftPixelUnlessSet) {
  TBitmap b;
  MakeBitmap(b, 4, 3, clGreen);
  b.Canvas()->SetPixels(0, 2, clFuchsia);
  EXPECT_EQ(b.TransparentColor(), clFuchsia);
  EXPECT_EQ(b.TransparentMode(), tmAuto);
  b.SetTransparentColor(clGreen);
  EXPECT_EQ(b.TransparentMode(), tmFixed);
  EXPECT_EQ(b.TransparentColor(), clGreen);
  b.SetTransparentMode(tmAuto);
  EXPECT_EQ(b.TransparentColor(), clFuchsia);

  // Drawn transparently, the transparent colour lets the canvas show through.
  b.SetTransparent(true);
  TBitmap target;
  MakeBitmap(target, 4, 3, clYellow);
  target.Canvas()->Draw(0, 0, &b);
  EXPECT_EQ(target.Canvas()->Pixels(0, 2), clYellow);
  EXPECT_EQ(target.Canvas()->Pixels(1, 1), clGreen);
}
}  // namespace
