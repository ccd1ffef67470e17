#include "platform/controls/extctrls/Bevel.h"

#include <utility>

#include "platform/controls/extctrls/DesignFrame.h"

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) {
  FControlStyle.Include(csReplicatable);
  SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape value) {
  if (FShape == value) return;
  FShape = value;
  Invalidate();
}

void TBevel::SetStyle(TBevelStyle value) {
  if (FStyle == value) return;
  FStyle = value;
  Invalidate();
}

void TBevel::Paint() {
  TCanvas* canvas = Canvas();
  int32_t w = Width(), h = Height();
  if (FShape == bsSpacer) {
    if (Designing()) DrawDesignFrame(canvas, Rect(0, 0, w, h));
    return;
  }
  // The shadow goes where light would not reach: top-left of a lowered bevel.
  TColor first = FStyle == bsLowered ? clBtnShadow : clBtnHighlight;
  TColor second = FStyle == bsLowered ? clBtnHighlight : clBtnShadow;
  canvas->Pen()->SetWidth(1);
  canvas->Pen()->SetStyle(psSolid);
  auto line = [canvas](TColor color, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    canvas->Pen()->SetColor(color);
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
  };
  auto rect = [canvas](TColor topLeft, TColor bottomRight, const TRect& r) {
    canvas->Pen()->SetColor(topLeft);
    canvas->Polyline({Point(r.Left, r.Bottom), Point(r.Left, r.Top), Point(r.Right, r.Top)});
    canvas->Pen()->SetColor(bottomRight);
    canvas->Polyline({Point(r.Right, r.Top), Point(r.Right, r.Bottom), Point(r.Left, r.Bottom)});
  };
  switch (FShape) {
    case bsBox: rect(first, second, Rect(0, 0, w - 1, h - 1)); break;
    case bsFrame:
      // An etched frame: the light outline one pixel below and right of the dark one.
      rect(second, second, Rect(1, 1, w - 1, h - 1));
      rect(first, first, Rect(0, 0, w - 2, h - 2));
      break;
    case bsTopLine:
      line(first, 0, 0, w, 0);
      line(second, 0, 1, w, 1);
      break;
    case bsBottomLine:
      line(first, 0, h - 2, w, h - 2);
      line(second, 0, h - 1, w, h - 1);
      break;
    case bsLeftLine:
      line(first, 0, 0, 0, h);
      line(second, 1, 0, 1, h);
      break;
    case bsRightLine:
      line(first, w - 2, 0, w - 2, h);
      line(second, w - 1, 0, w - 1, h);
      break;
    case bsSpacer: break;
  }
}

void TBevel::Publish(TPublisher<TBevel>& p) {
  PublishAlign(p);
  PublishAnchors(p);
  PublishParentShowHint(p);
  p.Property("Shape", &TBevel::Shape, &TBevel::SetShape).Default(bsBox);
  PublishShowHint(p);
  p.Property("Style", &TBevel::Style, &TBevel::SetStyle).Default(bsLowered);
  PublishVisible(p);
}
