#pragma once
// The drawings of the standard package's glyphs, one per class it places on
// the palette, named after the class.

#include <vector>

#include "GlyphCanvas.h"

struct GlyphDrawing {
  const char* ClassName;
  void (*Draw)(GlyphCanvas& canvas);
};

const std::vector<GlyphDrawing>& StandardGlyphs();
