#include "platform/graphics/Font.h"

#include <cmath>

#include "platform/graphics/GraphicsUnit.h"

namespace {
// Rounds a * b / c to the nearest integer, halves away from zero.
int32_t MulDivRound(int32_t a, int32_t b, int32_t c) {
  return static_cast<int32_t>(std::lround(static_cast<double>(a) * b / c));
}
}  // namespace

TFont::TFont() { InitializeGraphics(); }

void TFont::Assign(TPersistent* source) {
  if (auto* font = dynamic_cast<TFont*>(source)) {
    FCharset = font->FCharset;
    FColor = font->FColor;
    FName = font->FName;
    FPitch = font->FPitch;
    FStyle = font->FStyle;
    // The same size in points, as the source's resolution gives it.
    FHeight = font->FPixelsPerInch == FPixelsPerInch
                  ? font->FHeight
                  : MulDivRound(font->FHeight, FPixelsPerInch, font->FPixelsPerInch);
    Changed();
    return;
  }
  inherited::Assign(source);
}

void TFont::SetCharset(TFontCharset value) {
  if (value == FCharset) return;
  FCharset = value;
  Changed();
}

void TFont::SetColor(TColor value) {
  if (value == FColor) return;
  FColor = value;
  Changed();
}

void TFont::SetHeight(int32_t value) {
  if (value == FHeight) return;
  FHeight = value;
  Changed();
}

void TFont::SetName(const std::string& value) {
  if (value.empty() || value == FName) return;
  FName = value;
  Changed();
}

void TFont::SetPitch(TFontPitch value) {
  if (value == FPitch) return;
  FPitch = value;
  Changed();
}

int32_t TFont::Size() const { return -MulDivRound(FHeight, 72, FPixelsPerInch); }

void TFont::SetSize(int32_t value) { SetHeight(-MulDivRound(value, FPixelsPerInch, 72)); }

void TFont::SetStyle(TFontStyles value) {
  if (value == FStyle) return;
  FStyle = value;
  Changed();
}

void TFont::Publish(TPublisher<TFont>& p) {
  p.Property("Charset", &TFont::Charset, &TFont::SetCharset).Type(TypeInfoTFontCharset());
  p.Property("Color", &TFont::Color, &TFont::SetColor).Type(TypeInfoTColor());
  p.Property("Height", &TFont::Height, &TFont::SetHeight);
  p.Property("Name", &TFont::Name, &TFont::SetName).Type(TypeInfoTFontName());
  p.Property("Pitch", &TFont::Pitch, &TFont::SetPitch).Default(fpDefault);
  p.Property("Size", &TFont::Size, &TFont::SetSize).Stored(false);
  p.Property("Style", &TFont::Style, &TFont::SetStyle);
}
