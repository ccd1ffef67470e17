#pragma once
// TButtonGlyph: the picture and caption of a speed button or a bitmap
// button. The glyph bitmap holds up to four images side by side: up,
// disabled, down and stuck down (exclusive); a state without an image of its
// own shows the up image (greyed when disabled). The glyph's bottom-left
// pixel is its transparent colour. Layout, Margin and Spacing place glyph
// and caption the way the platform's buttons do: a Margin of -1 centres
// them, a Spacing of -1 spreads them evenly.

#include <string>

#include "platform/controls/Controls.h"

class TBitmap;

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
MORVANE_ENUM_TYPEINFO(TButtonLayout, blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom);

enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
MORVANE_ENUM_TYPEINFO(TButtonState, bsUp, bsDisabled, bsDown, bsExclusive);

using TNumGlyphs = int32_t;

class TButtonGlyph {
 public:
  TButtonGlyph();
  ~TButtonGlyph();
  TButtonGlyph(const TButtonGlyph&) = delete;
  TButtonGlyph& operator=(const TButtonGlyph&) = delete;

  TBitmap* Glyph() const { return FGlyph; }
  // Takes a copy; a bitmap whose width is 1 to 4 times its height sets
  // NumGlyphs to that count.
  void SetGlyph(TBitmap* value);
  TNumGlyphs NumGlyphs() const { return FNumGlyphs; }
  // Values outside 1 to 4 become 1.
  void SetNumGlyphs(TNumGlyphs value);
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout value);
  // -1 centres glyph and caption; other values below -1 are refused.
  int32_t Margin() const { return FMargin; }
  void SetMargin(int32_t value);
  int32_t Spacing() const { return FSpacing; }
  void SetSpacing(int32_t value);
  // Fires when anything that changes the button's look changes.
  TNotifyEvent OnChange;

  // The size of one image; (0, 0) without a glyph.
  TSize ImageSize() const;
  // Where glyph and caption go in client (not yet moved by offset).
  void CalcLayout(TCanvas* canvas, const TRect& client, const std::string& caption, TPoint& glyphPos,
                  TRect& textBounds) const;
  // Draws the image of state and the caption; answers the caption's rectangle.
  TRect Draw(TCanvas* canvas, const TRect& client, TPoint offset, const std::string& caption,
             TButtonState state) const;

 private:
  void Changed();
  void DrawImage(TCanvas* canvas, TPoint pos, TButtonState state) const;
  void DrawCaption(TCanvas* canvas, TRect bounds, const std::string& caption,
                   TButtonState state) const;
  TBitmap* FGlyph;
  TNumGlyphs FNumGlyphs = 1;
  TButtonLayout FLayout = blGlyphLeft;
  int32_t FMargin = -1;
  int32_t FSpacing = 4;
};
