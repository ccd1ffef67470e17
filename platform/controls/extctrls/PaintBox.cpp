#include "platform/controls/extctrls/PaintBox.h"

#include "platform/controls/extctrls/DesignFrame.h"

TPaintBox::TPaintBox(TComponent* owner) : TGraphicControl(owner) {
  FControlStyle.Include(csReplicatable);
  SetBounds(0, 0, 105, 105);
}

void TPaintBox::Paint() {
  TCanvas* canvas = Canvas();
  canvas->SetFont(Font());
  canvas->Brush()->SetColor(Color());
  if (Designing()) {
    DrawDesignFrame(canvas, Rect(0, 0, Width(), Height()));
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Pen()->SetStyle(psSolid);
  }
  if (OnPaint) OnPaint(this);
}

void TPaintBox::Publish(TPublisher<TPaintBox>& p) {
  PublishAlign(p);
  PublishAnchors(p);
  PublishColor(p);
  PublishFont(p);
  PublishParentColor(p);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  PublishShowHint(p);
  PublishVisible(p);
  PublishOnClick(p);
  PublishOnDblClick(p);
  PublishOnMouseDown(p);
  PublishOnMouseMove(p);
  PublishOnMouseUp(p);
  p.Event("OnPaint", &TPaintBox::OnPaint);
}
