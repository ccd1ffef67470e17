#pragma once
// TInplaceEdit: the edit box a grid places over its current cell. It takes
// its text from the grid (GetEditText) when placed, hands typed text back
// (SetEditText, through the grid's UpdateText) and gives the keys that move
// between cells to the grid. Descendants override the hooks: UpdateContents
// (filling it for the current cell), BoundsChanged (the text rectangle),
// PaintWindow, KeyDown, DblClick and the mouse handlers.

#include <string>

#include "platform/controls/stdctrls/CustomEdit.h"

class TCustomGrid;

class TInplaceEdit : public TCustomEdit {
  MORVANE_CLASS(TInplaceEdit, TCustomEdit)

 public:
  explicit TInplaceEdit(TComponent* owner);

  TCustomGrid* Grid() const { return FGrid; }
  // The grid it belongs to, which also becomes its parent.
  void SetGrid(TCustomGrid* value);
  const std::string& EditMask() const { return FEditMask; }
  void SetEditMask(const std::string& value) { FEditMask = value; }

  // Shows the editor at loc (client coordinates of the grid) and takes the
  // focus when the grid has it.
  void Move(const TRect& loc);
  // Follows the cell without taking the focus (the grid scrolled).
  void UpdateLoc(const TRect& loc);
  // Hides the editor; the grid takes the focus back if the editor had it.
  void Hide();
  // Caret after the text, nothing selected.
  void Deselect();
  // Fills the editor for the grid's current cell.
  virtual void UpdateContents();

 protected:
  // The editor's size or place changed: the text keeps two pixels from the
  // edges (one at the bottom).
  virtual void BoundsChanged();
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  void DblClick() override;
  void Change() override;

 private:
  void InternalMove(const TRect& loc, bool takeFocus);
  TCustomGrid* FGrid = nullptr;
  std::string FEditMask;
};
