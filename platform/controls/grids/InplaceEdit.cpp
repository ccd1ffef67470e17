#include "platform/controls/grids/InplaceEdit.h"

#include "platform/controls/grids/CustomGrid.h"
#include "platform/windows/Keyboard.h"

TInplaceEdit::TInplaceEdit(TComponent* owner) : TCustomEdit(owner) {
  FVisible = false;  // shows when the grid places it
  FTabStop = false;
  FParentColor = false;
  FAutoSize = false;
  SetBorderStyle(bsNone);
}

void TInplaceEdit::SetGrid(TCustomGrid* value) {
  FGrid = value;
  SetParent(value);
}

void TInplaceEdit::UpdateContents() {
  if (!FGrid) return;
  int32_t col = FGrid->Col();
  int32_t row = FGrid->Row();
  SetText("");
  SetEditMask(FGrid->GetEditMask(col, row));
  SetText(FGrid->GetEditText(col, row));
  SetMaxLength(FGrid->GetEditLimit());
  SetModified(false);
}

void TInplaceEdit::BoundsChanged() { SetTextRect(Rect(2, 2, Width() - 2, Height())); }

void TInplaceEdit::InternalMove(const TRect& loc, bool takeFocus) {
  if (loc.Width() <= 0 || loc.Height() <= 0) {
    SetVisible(false);  // the cell scrolled away; the edit goes on
    return;
  }
  SetBounds(loc.Left, loc.Top, loc.Width(), loc.Height());
  BringToFront();
  SetVisible(true);
  BoundsChanged();
  Invalidate();
  if (takeFocus && FGrid && FGrid->Focused() && CanFocus()) SetFocus();
}

void TInplaceEdit::Move(const TRect& loc) { InternalMove(loc, true); }
void TInplaceEdit::UpdateLoc(const TRect& loc) { InternalMove(loc, false); }

void TInplaceEdit::Hide() {
  if (!Visible()) return;
  bool hadFocus = HandleAllocated() && Focused();
  SetVisible(false);
  if (hadFocus && FGrid && FGrid->CanFocus()) FGrid->SetFocus();
}

void TInplaceEdit::Deselect() {
  SetSelStart(static_cast<int32_t>(Text().size()));
  SetSelLength(0);
}

void TInplaceEdit::KeyDown(WORD& key, TShiftState shift) {
  bool ctrl = shift.Contains(ssCtrl);
  bool atStart = SelStart() == 0 && SelLength() == 0;
  bool atEnd = SelStart() == static_cast<int32_t>(Text().size()) && SelLength() == 0;
  bool toGrid = false;
  switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_ESCAPE: toGrid = true; break;
    case VK_LEFT:
    case VK_HOME: toGrid = ctrl || atStart; break;
    case VK_RIGHT:
    case VK_END: toGrid = ctrl || atEnd; break;
    case VK_TAB: toGrid = !shift.Contains(ssAlt); break;
    case VK_F2:
      Deselect();
      key = 0;
      return;
    default: break;
  }
  if (toGrid && FGrid) {
    FGrid->KeyDown(key, shift);
    key = 0;
    return;
  }
  inherited::KeyDown(key, shift);
}

void TInplaceEdit::KeyPress(char& key) {
  // Enter, Escape and Tab belong to the grid.
  if (FGrid && (key == '\r' || key == 27 || key == '\t')) {
    FGrid->KeyPress(key);
    key = 0;
    return;
  }
  inherited::KeyPress(key);
}

void TInplaceEdit::DblClick() {
  if (FGrid) FGrid->DblClick();
}

void TInplaceEdit::Change() {
  inherited::Change();
  if (FGrid && Modified()) FGrid->UpdateText();
}
