#include "platform/controls/ScrollingWinControl.h"

#include <algorithm>

#include "platform/windows/Windows.h"

TControlScrollBar::TControlScrollBar(TScrollingWinControl* control, TScrollBarKind kind)
    : FControl(control), FKind(kind) {}

void TControlScrollBar::Assign(TPersistent* source) {
  if (auto* other = dynamic_cast<TControlScrollBar*>(source)) {
    FIncrement = other->FIncrement;
    FVisible = other->FVisible;
    SetRange(other->FRange);
    SetPosition(other->FPosition);
    return;
  }
  inherited::Assign(source);
}

int32_t TControlScrollBar::ClientSize() const {
  return FKind == sbHorizontal ? FControl->ClientWidth() : FControl->ClientHeight();
}

int32_t TControlScrollBar::MaxPosition() const { return std::max(0, FRange - ClientSize()); }

bool TControlScrollBar::IsScrollBarVisible() const { return FVisible && FRange > ClientSize(); }

void TControlScrollBar::SetRange(int32_t value) {
  FRange = std::max(0, value);
  Update();
}

void TControlScrollBar::SetPosition(int32_t value) {
  // While the control is read, the range may come after the position.
  bool loading = FControl->ComponentState().Contains(csLoading);
  int32_t clamped = loading ? std::max(0, value) : std::clamp(value, 0, MaxPosition());
  if (clamped == FPosition) return;
  int32_t delta = FPosition - clamped;
  FPosition = clamped;
  if (!loading) {
    if (FKind == sbHorizontal)
      FControl->ScrollBy(delta, 0);
    else
      FControl->ScrollBy(0, delta);
  }
  Update();
}

void TControlScrollBar::SetVisible(bool value) {
  FVisible = value;
  Update();
}

void TControlScrollBar::Update() {
  if (!FControl->HandleAllocated()) return;
  HWND handle = FControl->Handle();
  int bar = FKind == sbHorizontal ? SB_HORZ : SB_VERT;
  SCROLLINFO info;
  info.fMask = SIF_ALL;
  info.nMin = 0;
  info.nMax = IsScrollBarVisible() ? FRange - 1 : 0;
  info.nPage = static_cast<UINT>(std::max(0, ClientSize()));
  info.nPos = IsScrollBarVisible() ? FPosition : 0;
  SetScrollInfo(handle, bar, &info, true);
}

void TControlScrollBar::Publish(TPublisher<TControlScrollBar>& p) {
  p.Property("Increment", &TControlScrollBar::Increment, &TControlScrollBar::SetIncrement).Default(8);
  p.Property("Position", &TControlScrollBar::Position, &TControlScrollBar::SetPosition).Default(0);
  p.Property("Range", &TControlScrollBar::Range, &TControlScrollBar::SetRange).Default(0);
  p.Property("Visible", &TControlScrollBar::Visible, &TControlScrollBar::SetVisible).Default(true);
}

TScrollingWinControl::TScrollingWinControl(TComponent* owner)
    : TWinControl(owner),
      FHorzScrollBar(new TControlScrollBar(this, sbHorizontal)),
      FVertScrollBar(new TControlScrollBar(this, sbVertical)) {
  FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption,
                                csDoubleClicks};
}

TScrollingWinControl::~TScrollingWinControl() {
  delete FHorzScrollBar;
  delete FVertScrollBar;
}

void TScrollingWinControl::CreateWnd() {
  inherited::CreateWnd();
  FHorzScrollBar->Update();
  FVertScrollBar->Update();
}

void TScrollingWinControl::ScrollInView(TControl* control) {
  if (!control || !ContainsControl(control) || control == this) return;
  TRect r = control->BoundsRect();
  TRect client = ClientRect();
  if (r.Left < 0)
    FHorzScrollBar->SetPosition(FHorzScrollBar->Position() + r.Left);
  else if (r.Right > client.Right)
    FHorzScrollBar->SetPosition(FHorzScrollBar->Position() + std::min(r.Left, r.Right - client.Right));
  if (r.Top < 0)
    FVertScrollBar->SetPosition(FVertScrollBar->Position() + r.Top);
  else if (r.Bottom > client.Bottom)
    FVertScrollBar->SetPosition(FVertScrollBar->Position() + std::min(r.Top, r.Bottom - client.Bottom));
}

void TScrollingWinControl::Scroll(TControlScrollBar* bar, TMessage& message) {
  TWMScroll scroll(message);
  int32_t page = bar->Kind() == sbHorizontal ? ClientWidth() : ClientHeight();
  int32_t position = bar->Position();
  switch (scroll.ScrollCode()) {
    case SB_LINEUP: position -= bar->Increment(); break;
    case SB_LINEDOWN: position += bar->Increment(); break;
    case SB_PAGEUP: position -= page; break;
    case SB_PAGEDOWN: position += page; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: position = scroll.Pos(); break;
    case SB_TOP: position = 0; break;
    case SB_BOTTOM: position = bar->Range(); break;
    default: return;
  }
  bar->SetPosition(position);
}

void TScrollingWinControl::WMHScroll(TMessage& message) { Scroll(FHorzScrollBar, message); }
void TScrollingWinControl::WMVScroll(TMessage& message) { Scroll(FVertScrollBar, message); }

void TScrollingWinControl::Messages(TMessageMap<TScrollingWinControl>& m) {
  m.On<&TScrollingWinControl::WMHScroll>(WM_HSCROLL);
  m.On<&TScrollingWinControl::WMVScroll>(WM_VSCROLL);
}
