#include "platform/controls/extctrls/Shape.h"

#include <algorithm>

TShape::TShape(TComponent* owner) : TGraphicControl(owner), FPen(new TPen), FBrush(new TBrush) {
  FControlStyle.Include(csReplicatable);
  SetBounds(0, 0, 65, 65);
  FPen->OnChange = [this](TObject*) { Invalidate(); };
  FBrush->OnChange = [this](TObject*) { Invalidate(); };
}

TShape::~TShape() {
  delete FPen;
  delete FBrush;
}

void TShape::SetShape(TShapeType value) {
  if (FShape == value) return;
  FShape = value;
  Invalidate();
}

void TShape::Paint() {
  TCanvas* canvas = Canvas();
  canvas->SetPen(FPen);
  canvas->SetBrush(FBrush);
  // The pen's middle runs on the outline, so a wide pen stays inside.
  int32_t x = FPen->Width() / 2, y = x;
  int32_t w = Width() - FPen->Width() + 1, h = Height() - FPen->Width() + 1;
  if (FPen->Width() == 0) {
    --w;
    --h;
  }
  int32_t s = std::min(w, h);
  if (FShape == stSquare || FShape == stRoundSquare || FShape == stCircle) {
    x += (w - s) / 2;
    y += (h - s) / 2;
    w = h = s;
  }
  switch (FShape) {
    case stRectangle:
    case stSquare: canvas->Rectangle(x, y, x + w, y + h); break;
    case stRoundRect:
    case stRoundSquare: canvas->RoundRect(x, y, x + w, y + h, s / 4, s / 4); break;
    case stEllipse:
    case stCircle: canvas->Ellipse(x, y, x + w, y + h); break;
  }
}

void TShape::Publish(TPublisher<TShape>& p) {
  PublishAlign(p);
  PublishAnchors(p);
  p.Property("Brush", &TShape::Brush, &TShape::SetBrush);
  PublishParentShowHint(p);
  p.Property("Pen", &TShape::Pen, &TShape::SetPen);
  p.Property("Shape", &TShape::Shape, &TShape::SetShape).Default(stRectangle);
  PublishShowHint(p);
  PublishVisible(p);
  PublishOnMouseDown(p);
  PublishOnMouseMove(p);
  PublishOnMouseUp(p);
}
