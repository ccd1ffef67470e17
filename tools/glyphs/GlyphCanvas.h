#pragma once
// A 24 x 24 glyph drawn pixel by pixel in the palette's few colours. Every
// glyph of a set starts on the same see-through background, which a palette
// takes from the bottom-left pixel, so nothing is ever drawn there.

#include <QImage>
#include <QRgb>
#include <initializer_list>
#include <string>

// The colours the glyphs share; Background never appears inside a drawing.
namespace GlyphColors {
inline constexpr QRgb Background = 0xFFC0C0C0;
inline constexpr QRgb Black = 0xFF000000;
inline constexpr QRgb Dark = 0xFF404040;
inline constexpr QRgb Shadow = 0xFF808080;
inline constexpr QRgb Face = 0xFFD4D0C8;
inline constexpr QRgb White = 0xFFFFFFFF;
inline constexpr QRgb Navy = 0xFF000080;
inline constexpr QRgb Blue = 0xFF0000FF;
inline constexpr QRgb Red = 0xFFFF0000;
inline constexpr QRgb Maroon = 0xFF800000;
inline constexpr QRgb Green = 0xFF008000;
inline constexpr QRgb Lime = 0xFF00FF00;
inline constexpr QRgb Yellow = 0xFFFFFF00;
inline constexpr QRgb Olive = 0xFF808000;
inline constexpr QRgb Teal = 0xFF008080;
inline constexpr QRgb Aqua = 0xFF00FFFF;
inline constexpr QRgb Purple = 0xFF800080;
}  // namespace GlyphColors

class GlyphCanvas {
 public:
  static constexpr int Size = 24;

  GlyphCanvas();
  const QImage& Image() const { return FImage; }

  void Pixel(int x, int y, QRgb color);
  // Rectangles take both corners, inclusive.
  void Fill(int x1, int y1, int x2, int y2, QRgb color);
  void Frame(int x1, int y1, int x2, int y2, QRgb color);
  void Box(int x1, int y1, int x2, int y2, QRgb outline, QRgb fill);
  void Line(int x1, int y1, int x2, int y2, QRgb color);
  void Ellipse(int x1, int y1, int x2, int y2, QRgb outline, QRgb fill);
  // A raised button face with a dark outline, as push buttons look.
  void Raised(int x1, int y1, int x2, int y2);
  // A sunken white field, as edits and lists look.
  void Sunken(int x1, int y1, int x2, int y2, QRgb fill = GlyphColors::White);
  // An etched line frame, as group boxes and bevels look.
  void Etched(int x1, int y1, int x2, int y2);
  // Text in the glyphs' own 3 x 5 letters ("abcOK..." see the font table).
  void Text(int x, int y, const std::string& text, QRgb color);
  // A small picture given as rows of colour letters; '.' leaves the pixel.
  void Sprite(int x, int y, std::initializer_list<const char*> rows);

 private:
  QImage FImage;
};
