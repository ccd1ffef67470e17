#include "platform/controls/CustomControl.h"

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner), FCanvas(new TControlCanvas) {
  FCanvas->SetControl(this);
}

TCustomControl::~TCustomControl() { delete FCanvas; }

void TCustomControl::PaintWindow(HDC dc) {
  PaintOnControlCanvas(FCanvas, Font(), dc, [this] { Paint(); });
}

void TCustomControl::WMPaint(TMessage& message) {
  FControlState.Include(csCustomPaint);
  try {
    DispatchFrom(inherited::ClassMessageTable(), message);
  } catch (...) {
    FControlState.Exclude(csCustomPaint);
    throw;
  }
  FControlState.Exclude(csCustomPaint);
}

void TCustomControl::Messages(TMessageMap<TCustomControl>& m) {
  m.On<&TCustomControl::WMPaint>(WM_PAINT);
}
