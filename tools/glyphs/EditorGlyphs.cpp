#include "EditorGlyphs.h"

using namespace GlyphColors;

// One set: every glyph sits in the same 20 x 20 area (2..21) so the buttons
// line up, and a designed form always looks the same (navy title bar, white
// client) whether it is new, edited or run.
namespace {

// A small window: black frame, navy title bar, face-coloured client.
void SmallForm(GlyphCanvas& c, int x1, int y1, int x2, int y2, QRgb client = Face) {
  c.Box(x1, y1, x2, y2, Black, client);
  c.Fill(x1 + 1, y1 + 1, x2 - 1, y1 + 3, Navy);
  c.Fill(x2 - 3, y1 + 2, x2 - 2, y1 + 2, White);
}

void DrawNewForm(GlyphCanvas& c) {
  // A sheet with a folded corner and a fresh form on it.
  c.Box(4, 2, 19, 21, Black, White);
  c.Fill(15, 2, 19, 6, Background);
  c.Line(15, 2, 19, 6, Black);
  c.Sprite(15, 3, {"w...", "ww..", "www."});
  c.Fill(15, 2, 15, 6, Black);
  c.Fill(15, 6, 19, 6, Black);
  SmallForm(c, 7, 9, 16, 18);
  c.Sprite(1, 1, {"..y..", ".yyy.", "yyyyy", ".yyy.", "..y.."});
}

void DrawOpenForm(GlyphCanvas& c) {
  // An open yellow folder with a form sheet sticking out of it.
  c.Box(2, 6, 8, 8, Black, Yellow);
  c.Box(2, 8, 18, 20, Black, Olive);
  SmallForm(c, 6, 3, 17, 12, White);
  for (int i = 0; i < 8; ++i) c.Fill(4 + i / 2 + i % 2, 13 + i, 21 - (i + 1) / 2, 13 + i, Yellow);
  c.Line(4, 12, 8, 20, Black);
  c.Line(4, 12, 21, 12, Black);
  c.Line(21, 12, 18, 20, Black);
  c.Fill(8, 20, 18, 20, Black);
}

void DrawSaveForm(GlyphCanvas& c) {
  // A navy floppy disk: white label on top, metal shutter at the bottom.
  c.Box(3, 3, 20, 20, Black, Navy);
  c.Box(6, 3, 17, 11, Black, White);
  c.Fill(8, 6, 15, 6, Shadow);
  c.Fill(8, 8, 15, 8, Shadow);
  c.Box(7, 14, 16, 20, Black, Face);
  c.Fill(9, 15, 11, 19, Navy);
  c.Pixel(20, 3, Background);
  c.Pixel(19, 4, Black);
}

void DrawOpenPackage(GlyphCanvas& c) {
  // A parcel seen from above and the side, tied with a red string.
  c.Sprite(2, 3, {"......kkkkkkkkkkkkk.",
                  ".....kyyyyyyyyyyyokk",
                  "....kyyyyyyyyyyyokok",
                  "...kyyyyyyyyyyyokook",
                  "..kyyyyyyyyyyyokooo.",
                  ".kkkkkkkkkkkkkkoook."});
  c.Box(3, 8, 16, 20, Black, Olive);
  c.Fill(4, 9, 15, 9, Yellow);
  for (int y = 9; y <= 19; ++y) c.Fill(17, y - 1, 17 + (21 - y > 3 ? 3 : 21 - y) - 1, y - 1, Maroon);
  c.Line(17, 19, 20, 16, Black);
  c.Line(20, 4, 20, 16, Black);
  c.Fill(9, 8, 10, 20, Red);
  c.Line(11, 3, 15, 7, Red);
  c.Line(12, 3, 16, 7, Red);
}

void DrawAlignPalette(GlyphCanvas& c) {
  // Three bars of different widths lined up on one left edge.
  c.Fill(4, 2, 4, 21, Black);
  c.Box(5, 4, 18, 8, Black, Blue);
  c.Box(5, 10, 13, 14, Black, Teal);
  c.Box(5, 16, 20, 20, Black, Red);
  c.Fill(6, 5, 17, 5, Aqua);
  c.Fill(6, 11, 12, 11, Aqua);
  c.Fill(6, 17, 19, 17, White);
}

void DrawEditForm(GlyphCanvas& c) {
  // A form in design mode: grid dots and one control with its handles.
  SmallForm(c, 2, 3, 21, 20);
  for (int y = 9; y <= 19; y += 3)
    for (int x = 4; x <= 20; x += 3) c.Pixel(x, y, Black);
  c.Box(8, 10, 16, 15, Dark, White);
  for (int x : {7, 11, 16})
    for (int y : {9, 12, 15})
      if (x != 11 || y != 12) c.Fill(x, y, x + 1, y + 1, Black);
}

void DrawRunForm(GlyphCanvas& c) {
  // A green play triangle: the form runs as a plain window.
  for (int y = 3; y <= 19; ++y) {
    const int reach = 16 * (9 - (y > 11 ? y - 11 : 11 - y)) / 9 + 1;
    if (reach > 1) c.Fill(6, y, 5 + reach - 1, y, Green);
  }
  c.Line(5, 2, 5, 20, Black);
  c.Line(5, 2, 21, 11, Black);
  c.Line(5, 20, 21, 11, Black);
  c.Line(7, 5, 7, 14, Lime);
  c.Line(7, 5, 14, 9, Lime);
}

}  // namespace

const std::vector<GlyphDrawing>& EditorGlyphs() {
  static const std::vector<GlyphDrawing> glyphs = {
      {"NEWFORM", DrawNewForm},           {"OPENFORM", DrawOpenForm},
      {"SAVEFORM", DrawSaveForm},         {"OPENPACKAGE", DrawOpenPackage},
      {"ALIGNPALETTE", DrawAlignPalette}, {"EDITFORM", DrawEditForm},
      {"RUNFORM", DrawRunForm},
  };
  return glyphs;
}
