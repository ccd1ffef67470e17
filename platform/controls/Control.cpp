#include "platform/controls/Control.h"

#include "platform/controls/Form.h"
#include "platform/controls/MenuHooks.h"
#include "platform/controls/WinControl.h"
#include "platform/core/Exceptions.h"
#include "platform/windows/Windows.h"

namespace {

TControl* TheCaptureControl = nullptr;
// The graphic control under the mouse: it has no window to be told when the
// mouse comes and goes, so its parent's mouse moves tell it (CM_MOUSEENTER,
// CM_MOUSELEAVE); windowed controls hear it from the message pump.
TControl* TheMouseControl = nullptr;

bool IsInputMessage(UINT msg) {
  return (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) || (msg >= WM_KEYFIRST && msg <= WM_KEYLAST);
}

TAnchors AnchorsOfAlign(TAlign align) {
  switch (align) {
    case alTop: return {akLeft, akTop, akRight};
    case alBottom: return {akLeft, akRight, akBottom};
    case alLeft: return {akLeft, akTop, akBottom};
    case alRight: return {akRight, akTop, akBottom};
    case alClient: return {akLeft, akTop, akRight, akBottom};
    default: return {akLeft, akTop};
  }
}

}  // namespace

TMouseButton MessageMouseButton(UINT msg) {
  switch (msg) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK: return mbRight;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK: return mbMiddle;
    default: return mbLeft;
  }
}

TControl* CaptureControl() {
  TWinControl* window = TWinControl::FindControl(GetCapture());
  if (window && TheCaptureControl && TheCaptureControl->Parent() == window) return TheCaptureControl;
  return window;
}

void SetCaptureControl(TControl* control) {
  ReleaseCapture();
  TheCaptureControl = nullptr;
  if (!control) return;
  auto* window = dynamic_cast<TWinControl*>(control);
  if (!window) {
    if (!control->Parent()) return;
    TheCaptureControl = control;
    window = control->Parent();
  }
  SetCapture(window->Handle());
}

TControl::TControl(TComponent* owner) : TComponent(owner), FFont(new TFont) {
  FFont->OnChange = [this](TObject* sender) { FontChanged(sender); };
  WindowProc = [this](TMessage& message) { WndProc(message); };
}

TControl::~TControl() {
  if (TheCaptureControl == this) TheCaptureControl = nullptr;
  if (TheMouseControl == this) TheMouseControl = nullptr;
  if (FParent) FParent->DetachChild(this);
  delete FFont;
}

void TControl::BeforeDestruction() {
  Destroying();
  if (TheCaptureControl == this) SetCaptureControl(nullptr);
  SetParent(nullptr);
  inherited::BeforeDestruction();
}

void TControl::SetParent(TWinControl* value) {
  if (FParent == value) return;
  if (value == this) throw EInvalidOperation("A control cannot have itself as its parent");
  if (auto* self = dynamic_cast<TWinControl*>(this); self && value && self->ContainsControl(value))
    throw EInvalidOperation("Control '" + Name() + "' cannot be a parent of one of its own children");
  if (FParent) FParent->RemoveControl(this);
  if (value) value->InsertControl(this);
}

void TControl::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
  Invalidate();
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
  Invalidate();
  Perform(WM_WINDOWPOSCHANGED, 0, 0);
  RequestAlign();
  if (!ComponentState().Contains(csLoading)) Resize();
}

void TControl::UpdateBoundsRect(const TRect& r) {
  FLeft = r.Left;
  FTop = r.Top;
  FWidth = r.Width();
  FHeight = r.Height();
}

void TControl::SetClientSize(int32_t width, int32_t height) {
  TRect client = ClientRect();
  SetBounds(FLeft, FTop, FWidth - client.Width() + width, FHeight - client.Height() + height);
}

TPoint TControl::ClientOrigin() const {
  if (!FParent) throw EInvalidOperation("Control '" + Name() + "' has no parent window");
  TPoint origin = FParent->ClientOrigin();
  return {origin.X + FLeft, origin.Y + FTop};
}

TPoint TControl::ClientToScreen(TPoint point) const {
  TPoint origin = ClientOrigin();
  return {point.X + origin.X, point.Y + origin.Y};
}

TPoint TControl::ScreenToClient(TPoint point) const {
  TPoint origin = ClientOrigin();
  return {point.X - origin.X, point.Y - origin.Y};
}

void TControl::SetVisible(bool value) {
  if (FVisible == value) return;
  if (!value) Invalidate();
  FVisible = value;
  if (ComponentState().Contains(csLoading)) return;  // shown when loading ends
  Perform(CM_VISIBLECHANGED, value, 0);
  if (value) Invalidate();
  RequestAlign();
  VisibleChanged();
}

void TControl::VisibleChanged() {}

void TControl::Show() {
  SetVisible(true);
}

void TControl::SetEnabled(bool value) {
  if (FEnabled == value) return;
  FEnabled = value;
  Perform(CM_ENABLEDCHANGED, 0, 0);
  Invalidate();
}

void TControl::SetName(const std::string& value) {
  // A control that still shows its old name takes the new one as caption,
  // unless a form file is being read (which gives the caption itself).
  auto* owner = dynamic_cast<TControl*>(Owner());
  bool changeText = FControlStyle.Contains(csSetCaption) && !ComponentState().Contains(csLoading) &&
                    Name() == Text() && !(owner && owner->ComponentState().Contains(csLoading));
  inherited::SetName(value);
  if (changeText) SetText(value);
}

bool TControl::IsAnchorsStored() const { return FAnchors != AnchorsOfAlign(FAlign); }

void TControl::SetAlign(TAlign value) {
  if (FAlign == value) return;
  TAlign old = FAlign;
  FAlign = value;
  FAnchors = AnchorsOfAlign(value);
  // A control turning from a top or bottom strip into a left or right one
  // (or back) keeps its thickness: width and height swap.
  bool wasHorizontal = old == alTop || old == alBottom;
  bool isVertical = value == alLeft || value == alRight;
  bool wasVertical = old == alLeft || old == alRight;
  bool isHorizontal = value == alTop || value == alBottom;
  if (!ComponentState().Contains(csLoading) && ((wasHorizontal && isVertical) || (wasVertical && isHorizontal)))
    SetBounds(FLeft, FTop, FHeight, FWidth);
  RequestAlign();
}

void TControl::RequestAlign() {
  if (FParent) FParent->AlignControl(this);
}

void TControl::SetColor(TColor value) {
  if (FColor == value) {
    FParentColor = false;
    return;
  }
  FColor = value;
  FParentColor = false;
  Perform(CM_COLORCHANGED, 0, 0);
  Invalidate();
  if (auto* self = dynamic_cast<TWinControl*>(this)) self->NotifyControls(CM_PARENTCOLORCHANGED);
}

void TControl::SetParentColor(bool value) {
  if (FParentColor == value) return;
  FParentColor = value;
  if (value) TakeParentColor();
}

void TControl::TakeParentColor() {
  if (!FParent) return;
  bool changed = FColor != FParent->Color();
  FColor = FParent->Color();
  if (!changed) return;
  Invalidate();
  if (auto* self = dynamic_cast<TWinControl*>(this)) self->NotifyControls(CM_PARENTCOLORCHANGED);
}

void TControl::SetParentFont(bool value) {
  if (FParentFont == value) return;
  FParentFont = value;
  if (value) TakeParentFont();
}

void TControl::TakeParentFont() {
  if (!FParent) return;
  FTakingParentFont = true;
  try {
    FFont->Assign(FParent->Font());
  } catch (...) {
    FTakingParentFont = false;
    throw;
  }
  FTakingParentFont = false;
}

void TControl::FontChanged(TObject*) {
  if (!FTakingParentFont) FParentFont = false;
  Perform(CM_FONTCHANGED, 0, 0);
  Invalidate();
  if (auto* self = dynamic_cast<TWinControl*>(this)) self->NotifyControls(CM_PARENTFONTCHANGED);
}

void TControl::CMParentFontChanged(TMessage&) {
  if (FParentFont) TakeParentFont();
}

void TControl::CMParentColorChanged(TMessage&) {
  if (FParentColor) TakeParentColor();
}

void TControl::CMParentShowHintChanged(TMessage&) {
  if (FParentShowHint && FParent) FShowHint = FParent->ShowHint();
}

void TControl::SetCursor(TCursor value) {
  if (FCursor == value) return;
  FCursor = value;
  Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::SetShowHint(bool value) {
  FShowHint = value;
  FParentShowHint = false;
  if (auto* self = dynamic_cast<TWinControl*>(this)) self->NotifyControls(CM_PARENTSHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool value) {
  if (FParentShowHint == value) return;
  FParentShowHint = value;
  if (value && FParent) FShowHint = FParent->ShowHint();
}

void TControl::SetPopupMenu(TComponent* value) {
  FPopupMenu = value;
  if (value) value->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == opRemove && component == FPopupMenu) FPopupMenu = nullptr;
}

void TControl::SetText(const TCaption& value) {
  if (GetText() == value) return;
  FText = value;
  if (auto* self = dynamic_cast<TWinControl*>(this); self && self->HandleAllocated())
    SetWindowText(self->FHandle, value.c_str());
  Perform(CM_TEXTCHANGED, 0, 0);
  Invalidate();
}

bool TControl::Showing() const {
  return FVisible && FParent && FParent->Showing();
}

void TControl::Loaded() {
  inherited::Loaded();
  if (FParentColor) TakeParentColor();
  if (FParentFont) TakeParentFont();
  if (FParentShowHint && FParent) FShowHint = FParent->ShowHint();
  RequestAlign();
}

void TControl::WndProc(TMessage& message) {
  // Controls being designed do not act on input: the designer decides what a
  // press means; the window's own default handling still happens.
  if (Designing() && !FControlStyle.Contains(csDesignInteractive) && IsInputMessage(message.Msg)) {
    DefaultHandler(message);
    return;
  }
  if (!FControlStyle.Contains(csDoubleClicks)) {
    if (message.Msg == WM_LBUTTONDBLCLK || message.Msg == WM_RBUTTONDBLCLK || message.Msg == WM_MBUTTONDBLCLK)
      message.Msg -= WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
  }
  if (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK) FControlState.Include(csLButtonDown);
  if (message.Msg == WM_LBUTTONUP) FControlState.Exclude(csLButtonDown);
  // Nothing of this object may be used after Dispatch: a handler may free it.
  Dispatch(message);
}

void TControl::Dispatch(TMessage& message) {
  DispatchFrom(MessageTable(), message);
}

void TControl::DispatchFrom(const TMessageTable& table, TMessage& message) {
  if (TMessageHandler handler = table.Find(message.Msg))
    handler(this, message);
  else
    DefaultHandler(message);
}

void TControl::DefaultHandler(TMessage&) {}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  // A copy, so that a procedure freeing the control does not pull the running
  // procedure away from under itself.
  TWndMethod proc = WindowProc;
  proc(message);
  return message.Result;
}

void TControl::SetZOrder(bool topMost) {
  if (!FParent) return;
  auto& list = FParent->FControls;
  auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return;
  list.erase(it);
  if (topMost)
    list.push_back(this);
  else
    list.insert(list.begin(), this);
  Invalidate();
}

void TControl::Invalidate() {
  if (!FParent || !FParent->HandleAllocated()) return;
  if (!FVisible && !Designing()) return;
  RECT r = BoundsRect();
  InvalidateRect(FParent->Handle(), &r, !FControlStyle.Contains(csOpaque));
}

void TControl::Update() {
  if (FParent) FParent->Update();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

TCustomForm* TControl::ParentForm() const {
  const TControl* control = this;
  while (control->FParent) control = control->FParent;
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(control));
}

TComponent* TControl::GetParentComponent() const { return FParent; }

void TControl::SetParentComponent(TComponent* value) {
  if (auto* parent = dynamic_cast<TWinControl*>(value)) SetParent(parent);
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

bool TControl::MouseCapture() const { return CaptureControl() == this; }

void TControl::SetMouseCapture(bool value) {
  if (MouseCapture() == value) return;
  SetCaptureControl(value ? this : nullptr);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int32_t x, int32_t y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

void TControl::WMMouseButtonDown(TMessage& message) {
  DefaultHandler(message);
  TMouseButton button = MessageMouseButton(message.Msg);
  if (button == mbLeft) {
    if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
    if (FControlStyle.Contains(csClickEvents)) FControlState.Include(csClicked);
  }
  TWMMouse mouse(message);
  if (!FControlStyle.Contains(csNoStdEvents))
    MouseDown(button, KeysToShiftState(static_cast<WORD>(mouse.Keys())), mouse.XPos(), mouse.YPos());
}

void TControl::WMMouseButtonDblClk(TMessage& message) {
  DefaultHandler(message);
  TMouseButton button = MessageMouseButton(message.Msg);
  if (button == mbLeft) {
    if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
    if (FControlStyle.Contains(csClickEvents)) DblClick();
  }
  TWMMouse mouse(message);
  if (!FControlStyle.Contains(csNoStdEvents))
    MouseDown(button, KeysToShiftState(static_cast<WORD>(mouse.Keys())) + ssDouble, mouse.XPos(),
              mouse.YPos());
}

void TControl::WMMouseButtonUp(TMessage& message) {
  DefaultHandler(message);
  TMouseButton button = MessageMouseButton(message.Msg);
  TWMMouse mouse(message);
  if (button == mbLeft) {
    if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(false);
    if (FControlState.Contains(csClicked)) {
      FControlState.Exclude(csClicked);
      if (PtInRect(ClientRect(), Point(mouse.XPos(), mouse.YPos()))) Click();
    }
  }
  if (!FControlStyle.Contains(csNoStdEvents))
    MouseUp(button, KeysToShiftState(static_cast<WORD>(mouse.Keys())), mouse.XPos(), mouse.YPos());
}

void TControl::SetMouseControl(TControl* control) {
  if (control == TheMouseControl) return;
  TControl* old = TheMouseControl;
  TheMouseControl = control;
  if (old) old->Perform(CM_MOUSELEAVE, 0, 0);
  if (control) control->Perform(CM_MOUSEENTER, 0, 0);
}

void TControl::CMMouseLeave(TMessage& message) {
  // The mouse left a window: it also left the graphic child it was over.
  if (TheMouseControl && TheMouseControl->Parent() == this) SetMouseControl(nullptr);
  DefaultHandler(message);
}

void TControl::WMMouseMove(TMessage& message) {
  SetMouseControl(dynamic_cast<TWinControl*>(this) ? nullptr : this);
  DefaultHandler(message);
  TWMMouse mouse(message);
  if (!FControlStyle.Contains(csNoStdEvents))
    MouseMove(KeysToShiftState(static_cast<WORD>(mouse.Keys())), mouse.XPos(), mouse.YPos());
}

void TControl::WMContextMenu(TMessage& message) {
  // A menu shown answers the message; otherwise it goes on to the parent.
  if (!Designing() && MenuHooks().ShowPopupMenu) {
    TPoint at(static_cast<int16_t>(message.LParamLo()), static_cast<int16_t>(message.LParamHi()));
    // From the keyboard the point is (-1, -1): the menu opens at the control.
    bool keyboard = at.X == -1 && at.Y == -1;
    TControl* target = this;
    // A graphic child has no window to hear the message: its menu comes first.
    if (auto* window = dynamic_cast<TWinControl*>(this); window && !keyboard)
      if (TControl* child = window->ControlAtPos(ScreenToClient(at), false); child && child->FPopupMenu)
        target = child;
    if (keyboard) at = ClientToScreen(Point(0, 0));
    if (target->FPopupMenu && MenuHooks().ShowPopupMenu(target, at)) {
      message.Result = 1;
      return;
    }
  }
  DefaultHandler(message);
}

const TMessageTable& TControl::ClassMessageTable() {
  static const TMessageTable table = [] {
    TMessageTable built;
    TMessageMap<TControl> m(built);
    for (UINT msg : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN}) m.On<&TControl::WMMouseButtonDown>(msg);
    for (UINT msg : {WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP}) m.On<&TControl::WMMouseButtonUp>(msg);
    for (UINT msg : {WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK, WM_MBUTTONDBLCLK})
      m.On<&TControl::WMMouseButtonDblClk>(msg);
    m.On<&TControl::WMMouseMove>(WM_MOUSEMOVE);
    m.On<&TControl::CMMouseLeave>(CM_MOUSELEAVE);
    m.On<&TControl::CMHitTest>(CM_HITTEST);
    m.On<&TControl::WMContextMenu>(WM_CONTEXTMENU);
    m.On<&TControl::CMParentFontChanged>(CM_PARENTFONTCHANGED);
    m.On<&TControl::CMParentColorChanged>(CM_PARENTCOLORCHANGED);
    m.On<&TControl::CMParentShowHintChanged>(CM_PARENTSHOWHINTCHANGED);
    return built;
  }();
  return table;
}

void TControl::Publish(TPublisher<TControl>& p) {
  p.Property("Left", &TControl::Left, &TControl::SetLeft);
  p.Property("Top", &TControl::Top, &TControl::SetTop);
  p.Property("Width", &TControl::Width, &TControl::SetWidth);
  p.Property("Height", &TControl::Height, &TControl::SetHeight);
  p.Property("Cursor", &TControl::Cursor, &TControl::SetCursor).Type(TypeInfoTCursor()).Default(crDefault);
  p.Property("Hint", &TControl::Hint, &TControl::SetHint);
}
