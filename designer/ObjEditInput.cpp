#include "designer/ObjEdit.h"

#include <algorithm>

// What the designer does with the presses and key strokes the hooks hand it.

namespace {

// Mouse points come as two unsigned 16-bit values in the target's client area.
TPoint MessagePoint(const MSG& Msg) {
  return {LOWORD(static_cast<uintptr_t>(Msg.lParam)), HIWORD(static_cast<uintptr_t>(Msg.lParam))};
}

// A press belongs to the designer only while the pointer shows the plain
// arrow; a control showing a cursor of its own keeps its presses.
bool IsDesignerPress() { return GetCursor() == ArrowCursor; }

void Eat(MSG& Msg) { Msg.message = WM_NULL; }

}  // namespace

TControl* TObjectEditor::ControlAtPoint(HWND Window, TPoint Point) {
  TWinControl* owner = TWinControl::FindControl(Window);
  if (!owner) return nullptr;
  if (std::find(Containers.begin(), Containers.end(), reinterpret_cast<TEditContainer*>(owner)) !=
      Containers.end())
    return owner;
  // Windowed children count too: a window holding the capture gets presses
  // that lie over its children.
  TControl* hit = owner->ControlAtPos(Point, true, true);
  if (!hit) hit = owner;
  // Parts of a compound control that the form does not own hit the owned
  // control around them.
  while (hit && hit != EditControl && hit->Owner() != Form) hit = hit->Parent();
  return hit;
}

void TObjectEditor::LButtonDown(MSG& Msg) {
  TPoint p = MessagePoint(Msg);
  TControl* hit = ControlAtPoint(Msg.hwnd, p);
  if (!IsDesignerPress()) {
    // The control gets its press; the designer only selects it.
    if (hit && hit != EditControl && !IsSelected(hit)) {
      AddToSelection(hit, true);
      NotifySelection();
    }
    return;
  }
  Eat(Msg);
  if (InsertClass) {
    InsertAtPress(hit, Msg.hwnd, p);
  } else if (hit && hit != EditControl) {
    if (Msg.wParam & MK_CONTROL) {
      auto* band = dynamic_cast<TWinControl*>(hit);
      if (!band || !hit->ControlStyle().Contains(csAcceptsControls)) {
        if (band) p = {p.X + hit->Left(), p.Y + hit->Top()};
        band = hit->Parent();
      }
      if (band) BeginSelect(band->Handle(), p);
    } else if (Msg.wParam & MK_SHIFT) {
      if (IsSelected(hit))
        RemoveFromSelection(hit);
      else
        AddToSelection(hit, false);
      NotifySelection();
    } else {
      // Marked as moving before selecting, so the grab stays hidden.
      DragState.Kind = dkMove;
      if (!IsSelected(hit)) {
        AddToSelection(hit, true);
        NotifySelection();
      }
      HWND window = DesignWindowOf(hit);
      MapWindowPoints(Msg.hwnd, window, &p, 1);
      BeginMove(window, hit, p);
    }
  } else if (hit == EditControl && hit) {
    UnselectAll();
    BeginSelect(EditHandle, p);
  }
}

void TObjectEditor::RButtonDown(MSG& Msg) {
  TPoint p = MessagePoint(Msg);
  TControl* hit = ControlAtPoint(Msg.hwnd, p);
  const bool designerPress = IsDesignerPress();
  if (designerPress && DragState.Kind != dkNone) CancelTracking();
  if (hit && hit == EditControl) {
    if (designerPress) UnselectAll();  // the inspector is not told
  } else if (hit && !IsSelected(hit)) {
    AddToSelection(hit, true);
    NotifySelection();
  }
  if (designerPress) {
    ClientToScreen(Msg.hwnd, &p);
    ShowPopupMenu(p);
  }
}

void TObjectEditor::LButtonDblClk(MSG& Msg) {
  TControl* hit = ControlAtPoint(Msg.hwnd, MessagePoint(Msg));
  if (!hit || hit == EditControl) return;
  Eat(Msg);
  AddToSelection(hit, true);
  if (Grab->Visible && Grab->ComponentEditor) Grab->ComponentEditor->Edit();
}

void TObjectEditor::KeyDown(MSG& Msg) {
  const WORD key = LOWORD(Msg.wParam);
  const TShiftState shift = KeyDataToShiftState(static_cast<LONG>(Msg.lParam));
  const bool none = shift == TShiftState{};
  // F11 alone belongs to the program (the designer application shows its
  // inspector with it); every other key press stops here.
  if (key == VK_F11 && none) return;
  Eat(Msg);
  const bool shiftOnly = shift == TShiftState{ssShift};
  const bool ctrlOnly = shift == TShiftState{ssCtrl};
  const bool shiftCtrl = shift == TShiftState{ssShift, ssCtrl};
  auto moveBy = [this](int32_t dx, int32_t dy) {
    KeepSameParent(nullptr);
    MoveSelection(dx, dy);
  };
  // Arrows: the step of a move and a size change along each axis.
  int32_t dx = 0;
  int32_t dy = 0;
  switch (key) {
    case VK_LEFT: dx = -1; break;
    case VK_RIGHT: dx = 1; break;
    case VK_UP: dy = -1; break;
    case VK_DOWN: dy = 1; break;
    default: break;
  }
  if (dx != 0 || dy != 0) {
    if (none)
      SelectNeighbour(dx > 0 || dy > 0);
    else if (shiftOnly)
      ResizeSelection(dx, dy);
    else if (ctrlOnly)
      moveBy(dx, dy);
    else if (shiftCtrl)
      moveBy(dx * GridX, dy * GridY);
    return;
  }
  switch (key) {
    case VK_TAB:
      if (none || shiftOnly) SelectNeighbour(none);
      break;
    case VK_INSERT:
      if (shiftOnly)
        PasteFromClipboard();
      else if (ctrlOnly)
        CopyToClipboard();
      break;
    case VK_DELETE:
      if (none || ctrlOnly)
        DeleteSelection();
      else if (shiftOnly)
        CutToClipboard();
      break;
    default: break;
  }
}

void TObjectEditor::SelectNeighbour(bool Forward) {
  if (!EditControl) return;
  TControl* start = Grab->Control;
  if (!start && EditControl->ControlCount() > 0) start = EditControl->Controls(0);
  if (!start) return;
  std::vector<TWinControl*> order;
  EditControl->GetTabOrderList(order);
  if (!dynamic_cast<TWinControl*>(start)) start = order.empty() ? nullptr : order.back();
  auto it = std::find(order.begin(), order.end(), start);
  TWinControl* target = nullptr;
  if (it == order.end()) {
    if (!order.empty()) target = Forward ? order.front() : order.back();
  } else if (Forward) {
    if (it + 1 != order.end()) target = *(it + 1);
  } else if (it != order.begin()) {
    target = *(it - 1);
  }
  if (!target) return;
  AddToSelection(target, true);
  NotifySelection();
}
