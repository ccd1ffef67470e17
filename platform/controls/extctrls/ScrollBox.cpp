#include "platform/controls/extctrls/ScrollBox.h"

#include "platform/graphics/DrawFunctions.h"

TScrollBox::TScrollBox(TComponent* owner) : TScrollingWinControl(owner) {
  FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks};
  SetBounds(0, 0, 185, 41);
}

void TScrollBox::SetBorderStyle(TBorderStyle value) {
  if (value != bsNone) value = bsSingle;
  if (FBorderStyle == value) return;
  FBorderStyle = value;
  Invalidate();
}

void TScrollBox::WMPaint(TMessage& message) { PaintHandler(message); }

void TScrollBox::PaintWindow(HDC dc) {
  TCanvas canvas;
  canvas.SetHandle(dc);
  canvas.Brush()->SetColor(Color());
  TRect r = ClientRect();
  canvas.FillRect(r);
  if (FBorderStyle == bsSingle) DrawEdge(canvas.Handle(), &r, EDGE_SUNKEN, BF_RECT);
}

void TScrollBox::Messages(TMessageMap<TScrollBox>& m) { m.On<&TScrollBox::WMPaint>(WM_PAINT); }

void TScrollBox::Publish(TPublisher<TScrollBox>& p) {
  PublishAlign(p);
  PublishAnchors(p);
  p.Property("AutoScroll", &TScrollingWinControl::AutoScroll, &TScrollingWinControl::SetAutoScroll)
      .Default(true);
  p.Property("BorderStyle", &TScrollBox::BorderStyle, &TScrollBox::SetBorderStyle)
      .Type(TypeInfoTBorderStyle())
      .Default(bsSingle);
  PublishColor(p);
  PublishEnabled(p);
  PublishFont(p);
  p.Property("HorzScrollBar", &TScrollingWinControl::HorzScrollBar,
             &TScrollingWinControl::SetHorzScrollBar);
  PublishParentColor(p);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  PublishShowHint(p);
  PublishTabOrder(p);
  PublishTabStop(p);
  p.Property("VertScrollBar", &TScrollingWinControl::VertScrollBar,
             &TScrollingWinControl::SetVertScrollBar);
  PublishVisible(p);
  PublishOnClick(p);
  PublishOnDblClick(p);
  PublishOnMouseDown(p);
  PublishOnMouseMove(p);
  PublishOnMouseUp(p);
  PublishOnResize(p);
}
