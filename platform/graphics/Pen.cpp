#include "platform/graphics/Pen.h"

#include "platform/graphics/GraphicsUnit.h"

TPen::TPen() { InitializeGraphics(); }

void TPen::Assign(TPersistent* source) {
  if (auto* pen = dynamic_cast<TPen*>(source)) {
    FColor = pen->FColor;
    FMode = pen->FMode;
    FStyle = pen->FStyle;
    FWidth = pen->FWidth;
    Changed();
    return;
  }
  inherited::Assign(source);
}

void TPen::SetColor(TColor value) {
  if (value == FColor) return;
  FColor = value;
  Changed();
}

void TPen::SetMode(TPenMode value) {
  if (value == FMode) return;
  FMode = value;
  Changed();
}

void TPen::SetStyle(TPenStyle value) {
  if (value == FStyle) return;
  FStyle = value;
  Changed();
}

void TPen::SetWidth(int32_t value) {
  if (value < 0 || value == FWidth) return;
  FWidth = value;
  Changed();
}

void TPen::Publish(TPublisher<TPen>& p) {
  p.Property("Color", &TPen::Color, &TPen::SetColor).Type(TypeInfoTColor()).Default(clBlack);
  p.Property("Mode", &TPen::Mode, &TPen::SetMode).Default(pmCopy);
  p.Property("Style", &TPen::Style, &TPen::SetStyle).Default(psSolid);
  p.Property("Width", &TPen::Width, &TPen::SetWidth).Default(1);
}
