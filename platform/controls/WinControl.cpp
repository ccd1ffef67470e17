#include "platform/controls/WinControl.h"

#include <QPainter>
#include <algorithm>

#include "platform/classes/Reader.h"
#include "platform/controls/Form.h"
#include "platform/controls/MenuHooks.h"
#include "platform/controls/Screen.h"
#include "platform/core/Exceptions.h"
#include "platform/graphics/QtGraphics.h"
#include "platform/windows/QtWindows.h"
#include "platform/windows/Windows.h"

namespace {

bool IsMouseMessage(UINT msg) { return msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST && msg != WM_MOUSEWHEEL; }

template <class List, class Item>
void EraseItem(List& list, Item* item) {
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  if (FHandle) {
    RemoveProp(FHandle, "MorvaneControl");
    DestroyWindow(FHandle);
    FHandle = nullptr;
  }
  // Children still here (plain delete): they forget their parent.
  for (TControl* c : FControls) c->FParent = nullptr;
  for (TWinControl* c : FWinControls) c->FParent = nullptr;
}

void TWinControl::BeforeDestruction() {
  Destroying();
  if (TCustomForm* form = ParentForm(); form && form != this) form->DefocusControl(this);
  DestroyHandle();
  DestroyChildren();
  inherited::BeforeDestruction();
}

void TWinControl::DestroyChildren() {
  // The platform frees child controls with their parent, whoever owns them.
  while (!FControls.empty() || !FWinControls.empty()) {
    TControl* child = !FWinControls.empty() ? static_cast<TControl*>(FWinControls.back()) : FControls.back();
    RemoveControl(child);
    child->Free();
  }
}

void TWinControl::DetachChild(TControl* control) {
  // Compared as controls: the child may be a graphic one, or half destroyed.
  auto isChild = [control](TWinControl* w) { return static_cast<TControl*>(w) == control; };
  EraseItem(FControls, control);
  FWinControls.erase(std::remove_if(FWinControls.begin(), FWinControls.end(), isChild), FWinControls.end());
  FTabList.erase(std::remove_if(FTabList.begin(), FTabList.end(), isChild), FTabList.end());
  control->FParent = nullptr;
}

TWinControl* TWinControl::CreateParented(TClass cls, HWND parentWindow) {
  auto* control = ObjectAs<TWinControl>(cls->Create(nullptr));
  control->SetParentWindow(parentWindow);
  return control;
}

TWinControl* TWinControl::FindControl(HWND handle) {
  if (!handle) return nullptr;
  return static_cast<TWinControl*>(GetProp(handle, "MorvaneControl"));
}

HWND TWinControl::Handle() {
  HandleNeeded();
  return FHandle;
}

void TWinControl::HandleNeeded() {
  if (FHandle) return;
  if (FParent) FParent->HandleNeeded();
  CreateHandle();
}

void TWinControl::SetParentWindow(HWND value) {
  if (FParent || FParentWindow == value) return;
  DestroyHandle();
  FParentWindow = value;
  UpdateControlState();
}

void TWinControl::RecreateWnd() {
  if (!FHandle) return;
  DestroyHandle();
  UpdateControlState();
}

int32_t TWinControl::ControlCount() const {
  return static_cast<int32_t>(FControls.size() + FWinControls.size());
}

TControl* TWinControl::Controls(int32_t index) const {
  auto graphic = static_cast<int32_t>(FControls.size());
  if (index < 0 || index >= ControlCount())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return index < graphic ? FControls[static_cast<size_t>(index)]
                         : FWinControls[static_cast<size_t>(index - graphic)];
}

TControl* TWinControl::ControlAtPos(TPoint pos, bool allowDisabled, bool allowWinControls) const {
  auto hit = [&](TControl* c) {
    TPoint p{pos.X - c->Left(), pos.Y - c->Top()};
    if (!PtInRect(c->ClientRect(), p)) return false;
    if (c->Designing()) return c->Visible() || !c->ControlStyle().Contains(csNoDesignVisible);
    return c->Visible() && (c->Enabled() || allowDisabled) &&
           c->Perform(CM_HITTEST, 0, PointToLParam(p)) != 0;
  };
  if (allowWinControls)
    for (auto it = FWinControls.rbegin(); it != FWinControls.rend(); ++it)
      if (hit(*it)) return *it;
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it)
    if (hit(*it)) return *it;
  return nullptr;
}

bool TWinControl::ContainsControl(const TControl* control) const {
  for (; control; control = control->Parent())
    if (control == this) return true;
  return false;
}

void TWinControl::InsertControl(TControl* control) {
  control->FParent = this;
  if (auto* window = dynamic_cast<TWinControl*>(control)) {
    FWinControls.push_back(window);
    FTabList.push_back(window);
  } else {
    FControls.push_back(control);
  }
  if (!control->ComponentState().Contains(csReading)) {
    control->Perform(CM_PARENTCOLORCHANGED, 0, 0);
    control->Perform(CM_PARENTFONTCHANGED, 0, 0);
    control->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
    if (auto* window = dynamic_cast<TWinControl*>(control))
      window->UpdateControlState();
    else
      control->Invalidate();
    AlignControl(control);
  }
  Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(control), 1);
}

void TWinControl::RemoveControl(TControl* control) {
  if (control->FParent != this) return;
  Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(control), 0);
  if (auto* window = dynamic_cast<TWinControl*>(control)) {
    if (TCustomForm* form = ParentForm()) form->DefocusControl(window);
    window->DestroyHandle();
  } else {
    control->Invalidate();
  }
  DetachChild(control);
  Realign();
}

void TWinControl::Broadcast(TMessage& message) {
  for (int32_t i = 0; i < ControlCount(); ++i) {
    Controls(i)->WindowProc(message);
    if (message.Result != 0) return;
  }
}

void TWinControl::NotifyControls(UINT msg) {
  TMessage message{msg, 0, 0, 0};
  for (int32_t i = 0; i < ControlCount(); ++i) Controls(i)->WindowProc(message);
}

TTabOrder TWinControl::TabOrder() const {
  if (!FParent) return -1;
  auto& list = FParent->FTabList;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<TTabOrder>(it - list.begin());
}

void TWinControl::SetTabOrder(TTabOrder value) {
  if (!FParent) return;
  auto& list = FParent->FTabList;
  EraseItem(list, this);
  auto at = std::clamp<size_t>(value < 0 ? list.size() : static_cast<size_t>(value), 0, list.size());
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* child : FTabList) {
    list.push_back(child);
    child->GetTabOrderList(list);
  }
}

bool TWinControl::CanFocus() const {
  TCustomForm* form = ParentForm();
  if (!form) return FVisible && FEnabled;
  for (const TControl* c = this; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

bool TWinControl::Focused() const { return FHandle && GetFocus() == FHandle; }

void TWinControl::SetFocus() {
  if (!CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  if (TCustomForm* form = ParentForm(); form && form != this)
    form->FocusControl(this);
  else
    ::SetFocus(Handle());
}

TRect TWinControl::ClientRect() const {
  if (!FHandle) return TControl::ClientRect();
  RECT r;
  GetClientRect(FHandle, &r);
  return r;
}

TPoint TWinControl::ClientOrigin() const {
  if (!FHandle) {
    if (!FParent) return {FLeft, FTop};
    return TControl::ClientOrigin();
  }
  POINT p{0, 0};
  ::ClientToScreen(FHandle, &p);
  return p;
}

void TWinControl::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
  if (FHandle && !ComponentState().Contains(csLoading)) {
    // The window reports its new rectangle back (WM_WINDOWPOSCHANGED, WM_SIZE).
    SetWindowPos(FHandle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    if (FHandle) SetWindowPos(FHandle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    Perform(WM_WINDOWPOSCHANGED, 0, 0);
    Realign();
    if (!ComponentState().Contains(csLoading)) Resize();
  }
  RequestAlign();
}

void TWinControl::UpdateBounds() {
  if (!FHandle) return;
  RECT r;
  GetWindowRect(FHandle, &r);
  if (HWND parent = GetParent(FHandle); parent && (GetWindowLong(FHandle, GWL_STYLE) & WS_CHILD)) {
    POINT corners[2] = {r.TopLeft(), r.BottomRight()};
    MapWindowPoints(nullptr, parent, corners, 2);
    r = Rect(corners[0].X, corners[0].Y, corners[1].X, corners[1].Y);
  }
  UpdateBoundsRect(r);
}

HWND TWinControl::PrecedingWindow() const {
  if (!FParent) return HWND_TOP;
  auto& list = FParent->FWinControls;
  auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return HWND_TOP;
  for (++it; it != list.end(); ++it)
    if ((*it)->FHandle) return (*it)->FHandle;
  return HWND_TOP;
}

void TWinControl::SetZOrder(bool topMost) {
  if (FParent) {
    auto& list = FParent->FWinControls;
    EraseItem(list, this);
    if (topMost)
      list.push_back(this);
    else
      list.insert(list.begin(), this);
  }
  if (FHandle)
    SetWindowPos(FHandle, topMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::Invalidate() {
  if (FHandle) InvalidateRect(FHandle, nullptr, !FControlStyle.Contains(csOpaque));
}

void TWinControl::Update() {
  if (FHandle) UpdateWindow(FHandle);
}

void TWinControl::Repaint() {
  Invalidate();
  Update();
}

void TWinControl::SetEnabled(bool value) {
  if (FEnabled == value) return;
  inherited::SetEnabled(value);
  if (FHandle) EnableWindow(FHandle, value);
}

std::string TWinControl::GetText() const {
  return FHandle ? GetWindowTextString(FHandle) : FText;
}

void TWinControl::DisableAlign() { ++FAlignLevel; }

void TWinControl::EnableAlign() {
  if (--FAlignLevel == 0 && FControlState.Contains(csAlignmentNeeded)) Realign();
}

void TWinControl::Realign() { AlignControl(nullptr); }

void TWinControl::AlignControl(TControl* control) {
  if (ComponentState().Contains(csDestroying)) return;
  if (FAlignLevel != 0) {
    FControlState.Include(csAlignmentNeeded);
    return;
  }
  DisableAlign();
  struct TEnable {
    TWinControl* Self;
    ~TEnable() {
      Self->FControlState.Exclude(csAlignmentNeeded);
      --Self->FAlignLevel;
    }
  } enable{this};
  TRect r = ClientRect();
  AlignControls(control, r);
}

void TWinControl::ScrollBy(int32_t dx, int32_t dy) {
  for (TControl* c : FControls) {
    c->Invalidate();
    c->FLeft += dx;
    c->FTop += dy;
    c->Invalidate();
  }
  for (TWinControl* c : FWinControls) {
    if (c->FHandle)
      SetWindowPos(c->FHandle, nullptr, c->FLeft + dx, c->FTop + dy, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    else {
      c->FLeft += dx;
      c->FTop += dy;
    }
  }
  Invalidate();
}

void TWinControl::GetChildren(const TGetChildProc& proc, TComponent* root) {
  for (int32_t i = 0; i < ControlCount(); ++i) {
    TControl* control = Controls(i);
    if (control->Owner() == root) proc(control);
  }
}

void TWinControl::SetChildOrder(TComponent* child, int32_t order) {
  auto* control = dynamic_cast<TControl*>(child);
  if (!control || control->FParent != this) return;
  auto place = [](auto& list, auto* item, int32_t at) {
    EraseItem(list, item);
    auto index = std::clamp<int32_t>(at, 0, static_cast<int32_t>(list.size()));
    list.insert(list.begin() + index, item);
  };
  if (auto* window = dynamic_cast<TWinControl*>(control))
    place(FWinControls, window, order - static_cast<int32_t>(FControls.size()));
  else
    place(FControls, control, order);
}

void TWinControl::ReadState(TReader* reader) {
  DisableAlign();
  try {
    inherited::ReadState(reader);
  } catch (...) {
    EnableAlign();
    throw;
  }
  EnableAlign();
}

void TWinControl::Loaded() {
  inherited::Loaded();
  UpdateControlState();
}

void TWinControl::VisibleChanged() { UpdateControlState(); }

void TWinControl::UpdateControlState() {
  TControl* top = this;
  while (top->Parent()) {
    top = top->Parent();
    if (!top->Showing()) return;
  }
  auto* root = static_cast<TWinControl*>(top);
  if (dynamic_cast<TCustomForm*>(root) || root->FParentWindow) UpdateShowing();
}

void TWinControl::UpdateShowing() {
  bool show = (FVisible || (Designing() && !FControlStyle.Contains(csNoDesignVisible))) &&
              !FControlState.Contains(csReadingState) && !ComponentState().Contains(csLoading);
  if (show) {
    if (!FHandle) CreateHandle();
    for (size_t i = 0; i < FWinControls.size(); ++i) FWinControls[i]->UpdateShowing();
  }
  if (FHandle && FShowing != show) {
    FShowing = show;
    try {
      Perform(CM_SHOWINGCHANGED, 0, 0);
    } catch (...) {
      FShowing = !show;
      throw;
    }
  }
}

void TWinControl::CMShowingChanged(TMessage&) {
  SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                   (FShowing ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

bool TWinControl::IsControlMouseMsg(TMessage& message) {
  TControl* control = nullptr;
  if (GetCapture() == FHandle) {
    TControl* captured = CaptureControl();
    if (captured && captured != this && captured->Parent() == this) control = captured;
  } else {
    control = ControlAtPos(LParamToPoint(message.LParam), false);
  }
  if (!control) return false;
  TPoint p = LParamToPoint(message.LParam);
  p.X -= control->Left();
  p.Y -= control->Top();
  message.Result = control->Perform(message.Msg, message.WParam, PointToLParam(p));
  return true;
}

void TWinControl::WndProc(TMessage& message) {
  if (IsMouseMessage(message.Msg) && FHandle) {
    HWND handle = FHandle;
    UINT msg = message.Msg;
    WPARAM w = message.WParam;
    LPARAM l = message.LParam;
    if (IsControlMouseMsg(message)) {
      // The window's own default handling goes on (the press still belongs
      // to this window as far as Qt is concerned), unless the child answered.
      if (message.Result == 0 && IsWindow(handle)) DefWindowProc(handle, msg, w, l);
      return;
    }
  }
  inherited::WndProc(message);
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (FHandle)
    message.Result = DefWindowProc(FHandle, message.Msg, message.WParam, message.LParam);
}

void TWinControl::WMPaint(TMessage& message) {
  if (FControls.empty() && !FControlState.Contains(csCustomPaint))
    DefaultHandler(message);
  else
    PaintHandler(message);
}

void TWinControl::PaintHandler(TMessage& message) {
  TWMPaint paint(message);
  HDC dc = paint.DC();
  PAINTSTRUCT ps;
  if (!dc) dc = BeginPaint(FHandle, &ps);
  struct TEnd {
    HWND Window;
    HDC Given;
    PAINTSTRUCT* Paint;
    ~TEnd() {
      if (!Given) EndPaint(Window, Paint);
    }
  } end{FHandle, paint.DC(), &ps};
  PaintWindow(dc);
  PaintControls(dc, nullptr);
}

void TWinControl::PaintWindow(HDC dc) {
  TMessage message{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
  DefaultHandler(message);
}

void TWinControl::PaintControls(HDC dc, TControl* first) {
  auto it = first ? std::find(FControls.begin(), FControls.end(), first) : FControls.begin();
  // A copy: painting code may not change the list, but must not crash if it does.
  std::vector<TControl*> controls(it, FControls.end());
  for (TControl* c : controls) {
    bool shown = c->Visible() || (c->Designing() && !c->ControlStyle().Contains(csNoDesignVisible));
    if (!shown) continue;
    int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, c->Left(), c->Top(), nullptr);
    IntersectClipRect(dc, 0, 0, c->Width(), c->Height());
    try {
      c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    } catch (...) {
      RestoreDC(dc, saved);
      throw;
    }
    RestoreDC(dc, saved);
  }
}

void TWinControl::WMEraseBkgnd(TMessage& message) {
  HDC dc = TWMPaint(message).DC();
  if (QPainter* painter = DCPainter(dc)) {
    TRect r = ClientRect();
    painter->fillRect(QRect(r.Left, r.Top, r.Width(), r.Height()), ColorToQColor(FColor));
  }
  message.Result = 1;
}

void TWinControl::WMWindowPosChanged(TMessage& message) {
  UpdateBounds();
  DefaultHandler(message);
}

void TWinControl::WMSize(TMessage& message) {
  UpdateBounds();
  DefaultHandler(message);
  Realign();
  if (!ComponentState().Contains(csLoading)) Resize();
}

void TWinControl::WMSetCursor(TMessage& message) {
  TWMSetCursor setCursor(message);
  if (setCursor.CursorWnd() == FHandle && setCursor.HitTest() == HTCLIENT && Screen) {
    TCursor cursor = Screen->Cursor();
    if (cursor == crDefault) {
      POINT p;
      GetCursorPos(&p);
      ::ScreenToClient(FHandle, &p);
      if (TControl* control = ControlAtPos(p, false)) cursor = control->Cursor();
      if (cursor == crDefault) cursor = FCursor;
    }
    if (cursor != crDefault) {
      ::SetCursor(Screen->Cursors(cursor));
      message.Result = 1;
      return;
    }
  }
  DefaultHandler(message);
}

void TWinControl::WMNCDestroy(TMessage& message) {
  DefaultHandler(message);
  if (FHandle) RemoveProp(FHandle, "MorvaneControl");
  FHandle = nullptr;
  FShowing = false;
}

void TWinControl::WMKeyDown(TMessage& message) {
  TWMKey key(message);
  // The shortcuts of the form's main menu come before the key events.
  if (TCustomForm* form = ParentForm(); form && form->Menu() && !Designing() && MenuHooks().IsShortCut &&
      MenuHooks().IsShortCut(form->Menu(), key.CharCode(), KeyDataToShiftState(key.KeyData()))) {
    message.Result = 0;
    return;
  }
  if (TCustomForm* form = ParentForm(); form && form != this && form->KeyPreview()) {
    WORD code = key.CharCode();
    form->KeyDown(code, KeyDataToShiftState(key.KeyData()));
    key.SetCharCode(code);
    if (code == 0) return;
  }
  WORD code = key.CharCode();
  if (!FControlStyle.Contains(csNoStdEvents)) KeyDown(code, KeyDataToShiftState(key.KeyData()));
  key.SetCharCode(code);
  if (code == 0) return;
  // Enter and Escape that the control does not want are the form's dialog
  // keys: its Default and Cancel buttons take them (CM_DIALOGKEY).
  if ((code == VK_RETURN || code == VK_ESCAPE) && !Designing() && Perform(CM_WANTSPECIALKEY, code, 0) == 0)
    if (TCustomForm* form = ParentForm(); form && form->Perform(CM_DIALOGKEY, code, key.KeyData()) != 0) return;
  DefaultHandler(message);
}

void TWinControl::CMDialogKey(TMessage& message) { Broadcast(message); }

void TWinControl::WMKeyUp(TMessage& message) {
  TWMKey key(message);
  WORD code = key.CharCode();
  if (!FControlStyle.Contains(csNoStdEvents)) KeyUp(code, KeyDataToShiftState(key.KeyData()));
  key.SetCharCode(code);
  if (code != 0) DefaultHandler(message);
}

void TWinControl::WMChar(TMessage& message) {
  TWMKey key(message);
  char c = static_cast<char>(key.CharCode());
  if (TCustomForm* form = ParentForm(); form && form != this && form->KeyPreview()) {
    form->KeyPress(c);
    if (c == 0) return;
  }
  if (!FControlStyle.Contains(csNoStdEvents)) KeyPress(c);
  if (c == 0) return;
  key.SetCharCode(static_cast<WORD>(static_cast<unsigned char>(c)));
  DefaultHandler(message);
}

void TWinControl::KeyDown(WORD& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(WORD& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}

void TWinControl::WMSetFocus(TMessage& message) {
  DefaultHandler(message);
  if (TCustomForm* form = ParentForm(); form && form != this) form->FocusedChanged(this);
  if (OnEnter) OnEnter(this);
}

void TWinControl::WMKillFocus(TMessage& message) {
  DefaultHandler(message);
  if (OnExit) OnExit(this);
}

void TWinControl::Messages(TMessageMap<TWinControl>& m) {
  m.On<&TWinControl::WMPaint>(WM_PAINT);
  m.On<&TWinControl::WMEraseBkgnd>(WM_ERASEBKGND);
  m.On<&TWinControl::WMWindowPosChanged>(WM_WINDOWPOSCHANGED);
  m.On<&TWinControl::WMSize>(WM_SIZE);
  m.On<&TWinControl::WMSetCursor>(WM_SETCURSOR);
  m.On<&TWinControl::WMNCDestroy>(WM_NCDESTROY);
  m.On<&TWinControl::WMKeyDown>(WM_KEYDOWN);
  m.On<&TWinControl::WMKeyDown>(WM_SYSKEYDOWN);
  m.On<&TWinControl::WMKeyUp>(WM_KEYUP);
  m.On<&TWinControl::WMKeyUp>(WM_SYSKEYUP);
  m.On<&TWinControl::WMChar>(WM_CHAR);
  m.On<&TWinControl::WMSetFocus>(WM_SETFOCUS);
  m.On<&TWinControl::WMKillFocus>(WM_KILLFOCUS);
  m.On<&TWinControl::CMShowingChanged>(CM_SHOWINGCHANGED);
  m.On<&TWinControl::CMDialogKey>(CM_DIALOGKEY);
}
