#include "designer/ObjEdit.h"
#include "platform/graphics/Canvas.h"

// The grab handles around a single selected item and the corner marks of a
// multi-selection.

namespace {

// Edges of a control's bounds, used by the handle table below.
enum TEdge { eLeft, eTop, eRight, eBottom, eNone };

// What a press on a handle sizes: the corner that stays (anchor), the corner
// that follows the mouse, and for the side handles the coordinate that stays.
struct THandleRule {
  TEdge AnchorX, AnchorY, CornerX, CornerY, FixedX, FixedY;
  TCursor Cursor;
};

constexpr THandleRule HandleRules[8] = {
    {eRight, eBottom, eLeft, eTop, eNone, eNone, crSizeNWSE},   // top-left
    {eRight, eBottom, eLeft, eTop, eLeft, eNone, crSizeNS},     // top middle
    {eLeft, eBottom, eRight, eTop, eNone, eNone, crSizeNESW},   // top-right
    {eLeft, eTop, eRight, eBottom, eNone, eBottom, crSizeWE},   // right middle
    {eLeft, eTop, eRight, eBottom, eNone, eNone, crSizeNWSE},   // bottom-right
    {eLeft, eTop, eRight, eBottom, eRight, eNone, crSizeNS},    // bottom middle
    {eRight, eTop, eLeft, eBottom, eNone, eNone, crSizeNESW},   // bottom-left
    {eRight, eBottom, eLeft, eTop, eNone, eTop, crSizeWE},      // left middle
};

int32_t EdgeOf(const TRect& r, TEdge edge) {
  switch (edge) {
    case eLeft: return r.Left;
    case eTop: return r.Top;
    case eRight: return r.Right;
    case eBottom: return r.Bottom;
    case eNone: break;
  }
  return NotFixed;
}

// Handles moved or hidden leave paint requests behind; painting them now
// keeps the surface from showing stale handles while a drag runs.
void FlushWaitingPaints() {
  MSG msg;
  while (PeekMessage(&msg, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE)) {
    DispatchMessage(&msg);
    PeekMessage(&msg, msg.hwnd, WM_PAINT, WM_PAINT, PM_REMOVE);
  }
}

// Where an item's corner marks go: its own client area when it has a window,
// else its bounds in the window it is drawn in.
HWND MarksWindow(TControl* item, TRect& rect) {
  if (auto* windowed = dynamic_cast<TWinControl*>(item)) {
    rect = windowed->ClientRect();
    return windowed->Handle();
  }
  rect = item->BoundsRect();
  return DesignWindowOf(item);
}

// The handle's window in the window of control; made again there when it was
// destroyed with the window it stood in.
HWND HandleWindow(TGrabHandle* handle, TControl* control) {
  if (!handle->HandleAllocated()) handle->SetParentWindow(DesignWindowOf(control));
  return handle->Handle();
}

TRect MarkSquare(const TRect& r, int corner) {
  int32_t x = corner == 1 || corner == 2 ? r.Right - HandleSize : r.Left;
  int32_t y = corner >= 2 ? r.Bottom - HandleSize : r.Top;
  return Bounds(x, y, HandleSize, HandleSize);
}

}  // namespace

// ---- TGrabHandle -------------------------------------------------------------

TGrabHandle::TGrabHandle(TEditGrab* AGrab, int32_t APosition)
    : TWinControl(AGrab), Position(APosition), FGrab(AGrab) {
  // The grab shows and hides the window itself; it never shows on its own.
  FVisible = false;
  SetBounds(0, 0, HandleSize, HandleSize);
  SetColor(clBlack);
  SetCursor(HandleRules[APosition].Cursor);
}

void TGrabHandle::Messages(TMessageMap<TGrabHandle>& m) {
  m.On<&TGrabHandle::WMLButtonDown>(WM_LBUTTONDOWN);
}

void TGrabHandle::CreateHandle() {
  TWinControl::CreateHandle();
  SetWindowLongPtr(Handle(), GWL_USERDATA, GrabHandleMark);
}

void TGrabHandle::WMLButtonDown(TMessage& Message) {
  DispatchFrom(inherited::ClassMessageTable(), Message);
  TControl* control = FGrab->Control;
  if (!control) return;
  const THandleRule& rule = HandleRules[Position];
  TRect r = control->BoundsRect();
  TPoint anchor{EdgeOf(r, rule.AnchorX), EdgeOf(r, rule.AnchorY)};
  TPoint corner{EdgeOf(r, rule.CornerX), EdgeOf(r, rule.CornerY)};
  HWND window = DesignWindowOf(control);
  POINT press{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
  MapWindowPoints(Handle(), window, &press, 1);
  FGrab->Designer->BeginSize(window, anchor, corner, press,
                             EdgeOf(r, rule.FixedX), EdgeOf(r, rule.FixedY));
}

// ---- TEditGrab ---------------------------------------------------------------

TEditGrab::TEditGrab(TObjectEditor* ADesigner) : TComponent(nullptr), Designer(ADesigner) {
  for (int32_t i = 0; i < 8; ++i) Handles[i] = new TGrabHandle(this, i);
}

TEditGrab::~TEditGrab() { SetControl(nullptr); }

void TEditGrab::SetControl(TControl* Item) {
  if (Item == Control) return;
  if (Control) {
    Control->WindowProc = FSavedWndProc;
    FSavedWndProc = nullptr;
    Control->RemoveFreeNotification(this);
    delete ComponentEditor;
    ComponentEditor = nullptr;
  }
  Control = Item;
  if (!Item) {
    SetVisible(false);
    return;
  }
  ComponentEditor = GetComponentEditor(TObjectEditor::ComponentOf(Item), Designer);
  HWND window = DesignWindowOf(Item);
  for (TGrabHandle* handle : Handles) {
    if (handle->HandleAllocated())
      SetParent(handle->Handle(), window);
    else
      handle->SetParentWindow(window);
  }
  Reposition();
  FSavedWndProc = Item->WindowProc;
  Item->WindowProc = [this](TMessage& Message) { ControlWndProc(Message); };
  // A control freed while grabbed must not get its procedure back.
  Item->FreeNotification(this);
}

void TEditGrab::SetVisible(bool Value) {
  // Nothing to show around: the handles stay hidden until a control comes.
  if (Value == Visible || (Value && !Control)) return;
  Visible = Value;
  if (Value) {
    if (!Positioned) Reposition();
    for (TGrabHandle* handle : Handles) ShowWindow(HandleWindow(handle, Control), SW_SHOW);
  } else {
    for (TGrabHandle* handle : Handles)
      if (handle->HandleAllocated()) ShowWindow(handle->Handle(), SW_HIDE);
    FlushWaitingPaints();
  }
}

void TEditGrab::Reposition() {
  if (!Control) return;
  TRect r = Control->BoundsRect();
  const int32_t h = HandleSize / 2;
  const int32_t right = r.Right - 1;
  const int32_t bottom = r.Bottom - 1;
  const int32_t midX = (r.Left + right - HandleSize) / 2;
  const int32_t midY = (r.Top + bottom - HandleSize) / 2;
  const TPoint places[8] = {{r.Left - h, r.Top - h}, {midX, r.Top - h},
                            {right - h, r.Top - h},  {right - h, midY},
                            {right - h, bottom - h}, {midX, bottom - h},
                            {r.Left - h, bottom - h}, {r.Left - h, midY}};
  for (int32_t i = 0; i < 8; ++i)
    SetWindowPos(HandleWindow(Handles[i], Control), nullptr, places[i].X, places[i].Y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  FlushWaitingPaints();
  Positioned = true;
}

void TEditGrab::BringHandlesToFront() {
  for (TGrabHandle* handle : Handles) handle->BringToFront();
}

void TEditGrab::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove || AComponent != Control) return;
  // The control is going: its procedure chain goes with it.
  FSavedWndProc = nullptr;
  delete ComponentEditor;
  ComponentEditor = nullptr;
  Control = nullptr;
  SetVisible(false);
}

void TEditGrab::ControlWndProc(TMessage& Message) {
  FSavedWndProc(Message);
  if (Message.Msg != WM_WINDOWPOSCHANGED) return;
  if (!Visible) {
    Positioned = false;
    return;
  }
  const auto* pos = reinterpret_cast<const WINDOWPOS*>(Message.LParam);
  if (pos && (pos->flags & SWP_NOSIZE) && (pos->flags & SWP_NOMOVE)) return;
  Reposition();
}

// ---- TEditSelector -------------------------------------------------------------

TEditSelector::TEditSelector(TObjectEditor* ADesigner, TControl* AItem)
    : Designer(ADesigner), Control(AItem), FSavedWndProc(AItem->WindowProc) {
  AItem->WindowProc = [this](TMessage& Message) { WndProc(Message); };
}

void TEditSelector::WndProc(TMessage& Message) {
  if (Message.Msg == WM_UNSELECT) {
    TWndMethod saved = FSavedWndProc;
    Control->WindowProc = saved;
    saved(Message);
    Free();
    return;
  }
  if (Message.Msg != WM_PAINT || Designer->Selection.size() <= 1) {
    FSavedWndProc(Message);
    return;
  }
  // A graphic control is always painted with its parent's DC; a windowed one
  // may be asked to paint itself.
  auto* windowed = dynamic_cast<TWinControl*>(Control);
  if (!Message.WParam && !windowed) {
    FSavedWndProc(Message);
    return;
  }
  PAINTSTRUCT paint;
  HWND window = nullptr;
  if (!Message.WParam) {
    window = windowed->Handle();
    Message.WParam = reinterpret_cast<WPARAM>(BeginPaint(window, &paint));
  }
  HDC dc = reinterpret_cast<HDC>(Message.WParam);
  try {
    FSavedWndProc(Message);
    SelectClipRgn(dc, nullptr);
    FillCornerMarks(dc, Control->ClientRect(), Designer->MarkColor);
  } catch (...) {
    if (window) EndPaint(window, &paint);
    throw;
  }
  if (window) EndPaint(window, &paint);
}

// ---- corner marks ----------------------------------------------------------------

void FillCornerMarks(HDC DC, const TRect& Rect, TColor Colour) {
  TCanvas canvas;
  canvas.SetHandle(DC);
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(Colour);
  for (int corner = 0; corner < 4; ++corner) canvas.FillRect(MarkSquare(Rect, corner));
}

void TObjectEditor::DrawSelectionMarks(TControl* Item) {
  if (Selection.size() == 1) return;
  TRect rect;
  HWND window = MarksWindow(Item, rect);
  if (!window) return;
  HDC dc = GetDC(window);
  FillCornerMarks(dc, rect, MarkColor);
  ReleaseDC(window, dc);
}

void TObjectEditor::EraseSelectionMarks(TControl* Item) {
  TRect rect;
  HWND window = MarksWindow(Item, rect);
  if (!window) return;
  for (int corner = 0; corner < 4; ++corner) {
    RECT square = MarkSquare(rect, corner);
    InvalidateRect(window, &square, true);
  }
}
