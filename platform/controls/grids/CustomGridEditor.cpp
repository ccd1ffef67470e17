// The grid's side of the in-place editor: when it shows, where it goes, and
// the text it hands back.

#include "platform/controls/grids/CustomGrid.h"
#include "platform/controls/grids/InplaceEdit.h"

TInplaceEdit* TCustomGrid::CreateEditor() { return new TInplaceEdit(this); }

bool TCustomGrid::CanEditShow() const {
  return FOptions.Contains(goEditing) && !FOptions.Contains(goRowSelect) &&
         (FEditorMode || FOptions.Contains(goAlwaysShowEditor)) && HandleAllocated() && !Designing() &&
         FCurrent.X >= FFixedCols && FCurrent.Y >= FFixedRows;
}

void TCustomGrid::UpdateEdit() {
  if (!CanEditShow()) {
    HideEdit();
    return;
  }
  if (!FInplaceEdit) {
    FInplaceEdit = CreateEditor();
    FInplaceEdit->SetGrid(this);
  }
  if (FInplaceCell != FCurrent) {
    FInplaceCell = FCurrent;
    FInplaceEdit->UpdateContents();
    FEditOriginal = FInplaceEdit->Text();
    FInplaceEdit->SelectAll();
  }
  FInplaceEdit->Move(CellRect(FCurrent.X, FCurrent.Y));
}

void TCustomGrid::HideEdit() {
  if (!FInplaceEdit) return;
  if (FInplaceCell.X >= 0) UpdateText();
  FInplaceCell = {-1, -1};
  FInplaceEdit->Hide();
}

void TCustomGrid::UpdateText() {
  if (FInplaceEdit && FInplaceCell.X >= 0 && FInplaceCell.Y >= 0)
    SetEditText(FInplaceCell.X, FInplaceCell.Y, FInplaceEdit->Text());
}

void TCustomGrid::CancelEdit() {
  if (!FInplaceEdit || FInplaceCell.X < 0) return;
  FInplaceEdit->SetText(FEditOriginal);
  UpdateText();
  FInplaceEdit->SetModified(false);
  if (FOptions.Contains(goAlwaysShowEditor))
    FInplaceEdit->SelectAll();
  else
    HideEditor();
}

void TCustomGrid::ShowEditor() {
  FEditorMode = true;
  UpdateEdit();
}

void TCustomGrid::HideEditor() {
  FEditorMode = false;
  HideEdit();
}

void TCustomGrid::SetEditorMode(bool value) {
  if (value)
    ShowEditor();
  else
    HideEditor();
}

void TCustomGrid::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == opRemove && component == FInplaceEdit) {
    FInplaceEdit = nullptr;
    FInplaceCell = {-1, -1};
  }
}
