#include "GlyphCanvas.h"

#include <QPainter>
#include <map>
#include <stdexcept>

namespace {
// Letters 3 pixels wide and 5 high: at 24 x 24 a glyph only hints at text,
// so a few letters suffice and every glyph shows them alike.
const std::map<char, const char*>& Font() {
  static const std::map<char, const char*> font = {
      {'a', "...."
            ".##."
            "..#."
            "###."
            "###."},
      {'b', "#..."
            "#..."
            "###."
            "#.#."
            "###."},
      {'c', "...."
            "...."
            "###."
            "#..."
            "###."},
      {'O', "###."
            "#.#."
            "#.#."
            "#.#."
            "###."},
      {'K', "#.#."
            "#.#."
            "##.."
            "#.#."
            "#.#."},
      {'A', ".#.."
            "#.#."
            "###."
            "#.#."
            "#.#."},
  };
  return font;
}

QRgb ColorOfLetter(char letter) {
  using namespace GlyphColors;
  switch (letter) {
    case 'k': return Black;
    case 'd': return Dark;
    case 'g': return Shadow;
    case 'f': return Face;
    case 'w': return White;
    case 'n': return Navy;
    case 'b': return Blue;
    case 'r': return Red;
    case 'm': return Maroon;
    case 'G': return Green;
    case 'l': return Lime;
    case 'y': return Yellow;
    case 'o': return Olive;
    case 't': return Teal;
    case 'a': return Aqua;
    case 'p': return Purple;
  }
  throw std::invalid_argument(std::string("no glyph colour for '") + letter + "'");
}

QColor Opaque(QRgb color) { return QColor::fromRgb(color); }
}  // namespace

GlyphCanvas::GlyphCanvas() : FImage(Size, Size, QImage::Format_RGB32) {
  FImage.fill(GlyphColors::Background);
}

void GlyphCanvas::Pixel(int x, int y, QRgb color) {
  if (x >= 0 && y >= 0 && x < Size && y < Size) FImage.setPixel(x, y, color);
}

void GlyphCanvas::Fill(int x1, int y1, int x2, int y2, QRgb color) {
  for (int y = y1; y <= y2; ++y)
    for (int x = x1; x <= x2; ++x) Pixel(x, y, color);
}

void GlyphCanvas::Frame(int x1, int y1, int x2, int y2, QRgb color) {
  Fill(x1, y1, x2, y1, color);
  Fill(x1, y2, x2, y2, color);
  Fill(x1, y1, x1, y2, color);
  Fill(x2, y1, x2, y2, color);
}

void GlyphCanvas::Box(int x1, int y1, int x2, int y2, QRgb outline, QRgb fill) {
  Fill(x1, y1, x2, y2, fill);
  Frame(x1, y1, x2, y2, outline);
}

void GlyphCanvas::Line(int x1, int y1, int x2, int y2, QRgb color) {
  QPainter painter(&FImage);
  painter.setPen(Opaque(color));
  painter.drawLine(x1, y1, x2, y2);
}

void GlyphCanvas::Ellipse(int x1, int y1, int x2, int y2, QRgb outline, QRgb fill) {
  QPainter painter(&FImage);
  painter.setPen(Opaque(outline));
  painter.setBrush(Opaque(fill));
  painter.drawEllipse(x1, y1, x2 - x1, y2 - y1);
}

void GlyphCanvas::Raised(int x1, int y1, int x2, int y2) {
  using namespace GlyphColors;
  Box(x1, y1, x2, y2, Black, Face);
  Fill(x1 + 1, y1 + 1, x2 - 1, y1 + 1, White);
  Fill(x1 + 1, y1 + 1, x1 + 1, y2 - 1, White);
  Fill(x1 + 1, y2 - 1, x2 - 1, y2 - 1, Shadow);
  Fill(x2 - 1, y1 + 1, x2 - 1, y2 - 1, Shadow);
}

void GlyphCanvas::Sunken(int x1, int y1, int x2, int y2, QRgb fill) {
  using namespace GlyphColors;
  Box(x1, y1, x2, y2, Black, fill);
  Fill(x1, y1, x2, y1, Shadow);
  Fill(x1, y1, x1, y2, Shadow);
  Fill(x1 + 1, y1 + 1, x2 - 1, y1 + 1, Dark);
  Fill(x1 + 1, y1 + 1, x1 + 1, y2 - 1, Dark);
  Fill(x1, y2, x2, y2, White);
  Fill(x2, y1, x2, y2, White);
}

void GlyphCanvas::Etched(int x1, int y1, int x2, int y2) {
  Frame(x1 + 1, y1 + 1, x2, y2, GlyphColors::White);
  Frame(x1, y1, x2 - 1, y2 - 1, GlyphColors::Shadow);
}

void GlyphCanvas::Text(int x, int y, const std::string& text, QRgb color) {
  for (char letter : text) {
    auto it = Font().find(letter);
    if (it == Font().end()) throw std::invalid_argument(std::string("no glyph letter '") + letter + "'");
    for (int row = 0; row < 5; ++row)
      for (int column = 0; column < 4; ++column)
        if (it->second[row * 4 + column] == '#') Pixel(x + column, y + row, color);
    x += 4;
  }
}

void GlyphCanvas::Sprite(int x, int y, std::initializer_list<const char*> rows) {
  int row = 0;
  for (const char* line : rows) {
    for (int column = 0; line[column]; ++column)
      if (line[column] != '.') Pixel(x + column, y + row, ColorOfLetter(line[column]));
    ++row;
  }
}
