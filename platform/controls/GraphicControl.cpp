#include "platform/controls/GraphicControl.h"

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner), FCanvas(new TControlCanvas) {
  FCanvas->SetControl(this);
}

TGraphicControl::~TGraphicControl() { delete FCanvas; }

void TGraphicControl::WMPaint(TMessage& message) {
  if (HDC dc = TWMPaint(message).DC()) PaintOnControlCanvas(FCanvas, Font(), dc, [this] { Paint(); });
}

void TGraphicControl::Messages(TMessageMap<TGraphicControl>& m) {
  m.On<&TGraphicControl::WMPaint>(WM_PAINT);
}
