#include "platform/controls/extctrls/Splitter.h"

#include "platform/windows/Painting.h"

TSplitter::TSplitter(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 3, 100);
  SetAlign(alLeft);
  SetCursor(crHSplit);
}

TSplitter::~TSplitter() { StopSizing(); }

void TSplitter::SetBeveled(bool value) {
  if (FBeveled == value) return;
  FBeveled = value;
  Invalidate();
}

void TSplitter::Paint() {
  TCanvas* canvas = Canvas();
  TRect r = ClientRect();
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(r);
  if (FBeveled) {
    if (Vertical())
      InflateRect(r, -1, 2);
    else
      InflateRect(r, 2, -1);
    OffsetRect(r, 1, 1);
    canvas->Brush()->SetColor(clBtnHighlight);
    canvas->FrameRect(r);
    OffsetRect(r, -2, -2);
    canvas->Brush()->SetColor(clBtnShadow);
    canvas->FrameRect(r);
  }
  if (OnPaint) OnPaint(this);
}

TControl* TSplitter::FindControl() const {
  if (!Parent()) return nullptr;
  TPoint p = Point(Left(), Top());
  switch (Align()) {
    case alLeft: --p.X; break;
    case alRight: p.X += Width(); break;
    case alTop: --p.Y; break;
    case alBottom: p.Y += Height(); break;
    default: return nullptr;
  }
  for (int32_t i = 0; i < Parent()->ControlCount(); ++i) {
    TControl* control = Parent()->Controls(i);
    if (control == this || !control->Visible() || !control->Enabled()) continue;
    TRect r = control->BoundsRect();
    // A neighbour shrunk to nothing can still be pulled out again.
    if (r.Width() == 0) {
      if (Align() == alLeft || Align() == alTop) --r.Left; else ++r.Right;
    }
    if (r.Height() == 0) {
      if (Align() == alLeft || Align() == alTop) --r.Top; else ++r.Bottom;
    }
    if (PtInRect(r, p)) return control;
  }
  return nullptr;
}

void TSplitter::CalcSplitSize(int32_t x, int32_t y, int32_t& newSize, int32_t& split) const {
  split = Vertical() ? x - FDownPos.X : y - FDownPos.Y;
  int32_t size = 0;
  switch (Align()) {
    case alLeft: size = FControl->Width() + split; break;
    case alRight: size = FControl->Width() - split; break;
    case alTop: size = FControl->Height() + split; break;
    case alBottom: size = FControl->Height() - split; break;
    default: break;
  }
  newSize = size;
  if (size < FMinSize)
    newSize = FMinSize;
  else if (size > FMaxSize)
    newSize = FMaxSize;
  if (size != newSize) {
    // Move the line back to where the clamped size puts the edge.
    split += (Align() == alRight || Align() == alBottom) ? size - newSize : newSize - size;
  }
}

void TSplitter::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  inherited::MouseDown(button, shift, x, y);
  if (button != mbLeft || Designing()) return;
  FControl = FindControl();
  if (!FControl) return;
  FControl->FreeNotification(this);
  FDownPos = Point(x, y);
  bool vertical = Vertical();
  FMaxSize = (vertical ? Parent()->ClientWidth() : Parent()->ClientHeight()) - FMinSize;
  for (int32_t i = 0; i < Parent()->ControlCount(); ++i) {
    TControl* control = Parent()->Controls(i);
    if (!control->Visible()) continue;
    if (vertical && (control->Align() == alLeft || control->Align() == alRight))
      FMaxSize -= control->Width();
    else if (!vertical && (control->Align() == alTop || control->Align() == alBottom))
      FMaxSize -= control->Height();
  }
  FMaxSize += vertical ? FControl->Width() : FControl->Height();
  FOldSize = vertical ? FControl->Width() : FControl->Height();
  CalcSplitSize(x, y, FNewSize, FSplit);
  if (ShowsLine()) {
    FLineDC = GetDC(Parent()->Handle());
    FLineCanvas = new TCanvas;
    FLineCanvas->SetHandle(FLineDC);
    FLineCanvas->Pen()->SetMode(pmNot);
    DrawLine();
  }
}

void TSplitter::MouseMove(TShiftState shift, int32_t x, int32_t y) {
  inherited::MouseMove(shift, x, y);
  if (!FControl) return;
  int32_t newSize, split;
  CalcSplitSize(x, y, newSize, split);
  bool accept = true;
  if (OnCanResize) OnCanResize(this, newSize, accept);
  if (!accept) return;
  if (ShowsLine()) DrawLine();
  FNewSize = newSize;
  FSplit = split;
  if (FResizeStyle == rsUpdate) UpdateControlSize();
  if (ShowsLine()) DrawLine();
}

void TSplitter::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  inherited::MouseUp(button, shift, x, y);
  if (!FControl) return;
  if (FLineVisible) DrawLine();
  UpdateControlSize();
  StopSizing();
}

void TSplitter::DrawLine() {
  if (!FLineCanvas) return;
  FLineVisible = !FLineVisible;
  TPoint p = Point(Left(), Top());
  if (Vertical())
    p.X += FSplit;
  else
    p.Y += FSplit;
  FLineCanvas->Rectangle(p.X, p.Y, p.X + Width(), p.Y + Height());
}

void TSplitter::UpdateControlSize() {
  int32_t current = Vertical() ? FControl->Width() : FControl->Height();
  if (FNewSize != current) {
    switch (Align()) {
      case alLeft: FControl->SetWidth(FNewSize); break;
      case alTop: FControl->SetHeight(FNewSize); break;
      case alRight:
        Parent()->DisableAlign();
        FControl->SetBounds(FControl->Left() + FControl->Width() - FNewSize, FControl->Top(),
                            FNewSize, FControl->Height());
        Parent()->EnableAlign();
        break;
      case alBottom:
        Parent()->DisableAlign();
        FControl->SetBounds(FControl->Left(), FControl->Top() + FControl->Height() - FNewSize,
                            FControl->Width(), FNewSize);
        Parent()->EnableAlign();
        break;
      default: break;
    }
    Update();
  }
  if (FNewSize != FOldSize) {
    FOldSize = FNewSize;
    if (OnMoved) OnMoved(this);
  }
}

void TSplitter::StopSizing() {
  if (FControl) FControl->RemoveFreeNotification(this);
  FControl = nullptr;
  delete FLineCanvas;
  FLineCanvas = nullptr;
  if (FLineDC) ReleaseDC(WindowFromDC(FLineDC), FLineDC);
  FLineDC = nullptr;
  FLineVisible = false;
}

void TSplitter::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == opRemove && component == FControl) {
    if (FLineVisible) DrawLine();
    FControl = nullptr;
    StopSizing();
  }
}

void TSplitter::Publish(TPublisher<TSplitter>& p) {
  p.Property("Align", &TControl::Align, &TControl::SetAlign).Default(alLeft);
  p.Property("Beveled", &TSplitter::Beveled, &TSplitter::SetBeveled).Default(false);
  PublishColor(p);
  p.Property("Cursor", &TControl::Cursor, &TControl::SetCursor).Type(TypeInfoTCursor()).Default(crHSplit);
  p.Property("MinSize", &TSplitter::MinSize, &TSplitter::SetMinSize).Default(30);
  PublishParentColor(p);
  p.Property("ResizeStyle", &TSplitter::ResizeStyle, &TSplitter::SetResizeStyle).Default(rsPattern);
  PublishVisible(p);
  p.Property("Width", &TControl::Width, &TControl::SetWidth).Default(3);
  p.Event("OnCanResize", &TSplitter::OnCanResize);
  p.Event("OnMoved", &TSplitter::OnMoved);
  p.Event("OnPaint", &TSplitter::OnPaint);
}
