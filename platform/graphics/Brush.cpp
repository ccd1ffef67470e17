#include "platform/graphics/Brush.h"

#include "platform/graphics/GraphicsUnit.h"

TBrush::TBrush() { InitializeGraphics(); }

void TBrush::Assign(TPersistent* source) {
  if (auto* brush = dynamic_cast<TBrush*>(source)) {
    FColor = brush->FColor;
    FStyle = brush->FStyle;
    FBitmap = brush->FBitmap;
    Changed();
    return;
  }
  inherited::Assign(source);
}

void TBrush::SetColor(TColor value) {
  if (value == FColor && FStyle != bsClear) return;
  FColor = value;
  if (FStyle == bsClear) FStyle = bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle value) {
  if (value == FStyle) return;
  FStyle = value;
  Changed();
}

void TBrush::SetBitmap(TBitmap* value) {
  if (value == FBitmap) return;
  FBitmap = value;
  Changed();
}

void TBrush::Publish(TPublisher<TBrush>& p) {
  p.Property("Color", &TBrush::Color, &TBrush::SetColor).Type(TypeInfoTColor()).Default(clWhite);
  p.Property("Style", &TBrush::Style, &TBrush::SetStyle).Default(bsSolid);
}
