#pragma once
// The drawings of the designer application's tool bar glyphs, each named
// after the program resource that holds it (apps/MorvaneEditor/resources).

#include <vector>

#include "StandardGlyphs.h"

const std::vector<GlyphDrawing>& EditorGlyphs();
