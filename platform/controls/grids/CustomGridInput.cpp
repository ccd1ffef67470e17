// Keyboard and mouse on the grid: moving the current cell, extending the
// selection, editing, and sizing columns and rows by their borders.

#include "platform/controls/Screen.h"
#include "platform/controls/grids/CustomGrid.h"
#include "platform/controls/grids/InplaceEdit.h"
#include "platform/windows/Windows.h"

namespace {

// How near a border (in pixels) a press grabs it.
constexpr int32_t kSizingSlack = 2;

}  // namespace

void TCustomGrid::KeyDown(WORD& key, TShiftState shift) {
  inherited::KeyDown(key, shift);
  if (key == 0) return;
  bool ctrl = shift.Contains(ssCtrl);
  bool rowSelect = FOptions.Contains(goRowSelect);
  int32_t col = FCurrent.X;
  int32_t row = FCurrent.Y;
  int32_t page = std::max(1, VisibleRowCount());
  switch (key) {
    case VK_UP: --row; break;
    case VK_DOWN: ++row; break;
    case VK_LEFT: --col; break;
    case VK_RIGHT: ++col; break;
    case VK_PRIOR: row -= page; break;
    case VK_NEXT: row += page; break;
    case VK_HOME:
      if (ctrl || rowSelect)
        row = FFixedRows;
      else
        col = FFixedCols;
      break;
    case VK_END:
      if (ctrl || rowSelect)
        row = FRowCount - 1;
      else
        col = FColCount - 1;
      break;
    case VK_TAB:
      if (!FOptions.Contains(goTabs) || shift.Contains(ssAlt)) return;
      // Tab runs along the row and on to the next one, Shift+Tab back.
      if (shift.Contains(ssShift)) {
        if (--col < FFixedCols) {
          col = FColCount - 1;
          if (--row < FFixedRows) row = FRowCount - 1;
        }
      } else if (++col >= FColCount) {
        col = FFixedCols;
        if (++row >= FRowCount) row = FFixedRows;
      }
      shift.Exclude(ssShift);
      break;
    case VK_F2:
      if (FOptions.Contains(goEditing)) {
        ShowEditor();
        if (FInplaceEdit) FInplaceEdit->Deselect();
      }
      key = 0;
      return;
    case VK_ESCAPE:
      CancelEdit();
      key = 0;
      return;
    default: return;
  }
  if (rowSelect) col = FCurrent.X;
  bool extend = shift.Contains(ssShift) && FOptions.Contains(goRangeSelect) && !rowSelect;
  FocusCell(col, row, !extend);
  key = 0;
}

void TCustomGrid::KeyPress(char& key) {
  inherited::KeyPress(key);
  if (!FOptions.Contains(goEditing)) return;
  if (key == '\r') {
    if (!FOptions.Contains(goAlwaysShowEditor)) {
      if (FEditorMode)
        HideEditor();
      else
        ShowEditor();
    } else {
      UpdateText();
    }
    key = 0;
  } else if (static_cast<unsigned char>(key) >= ' ' && !FEditorMode) {
    // Typing on a cell starts editing it with the typed character.
    ShowEditor();
    if (FInplaceEdit && FInplaceEdit->HandleAllocated() && FInplaceEdit->Visible()) {
      FInplaceEdit->SetText(std::string(1, key));
      FInplaceEdit->Deselect();
      FInplaceEdit->SetModified(true);
      UpdateText();
    }
    key = 0;
  }
}

int32_t TCustomGrid::SizingIndexAt(int32_t pos, bool cols) const {
  if (!FOptions.Contains(cols ? goColSizing : goRowSizing)) return -1;
  int32_t count = cols ? FColCount : FRowCount;
  int32_t fixed = cols ? FFixedCols : FFixedRows;
  int32_t first = cols ? FTopLeft.X : FTopLeft.Y;
  int32_t limit = cols ? ClientRect().Right : ClientRect().Bottom;
  int32_t edge = BorderWidth();
  for (int32_t i = 0; i < count && edge < limit; ++i) {
    if (i == fixed) i = first;
    if (i >= count) break;
    edge += cols ? ColWidths(i) : RowHeights(i);
    if (std::abs(pos - edge) <= kSizingSlack) return i;
    edge += FGridLineWidth;
  }
  return -1;
}

void TCustomGrid::DrawSizingLine(int32_t pos) {
  TCanvas* canvas = Canvas();
  canvas->Pen()->SetStyle(psSolid);
  canvas->Pen()->SetMode(pmXor);
  canvas->Pen()->SetColor(clWhite);
  canvas->Pen()->SetWidth(1);
  if (FGridState == gsColSizing) {
    canvas->MoveTo(pos, 0);
    canvas->LineTo(pos, ClientHeight());
  } else {
    canvas->MoveTo(0, pos);
    canvas->LineTo(ClientWidth(), pos);
  }
  canvas->Pen()->SetMode(pmCopy);
}

void TCustomGrid::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  if (!Designing() && CanFocus() && !Focused() && !(FInplaceEdit && FInplaceEdit->Focused())) SetFocus();
  if (button == mbLeft && PtInRect(ClientRect(), Point(x, y)) && !Designing()) {
    // Borders are grabbed in the fixed cells (anywhere without them).
    bool inFixedRows = FFixedRows == 0 || y < BorderWidth() + FixedHeight();
    bool inFixedCols = FFixedCols == 0 || x < BorderWidth() + FixedWidth();
    int32_t colBorder = inFixedRows ? SizingIndexAt(x, true) : -1;
    int32_t rowBorder = colBorder < 0 && inFixedCols ? SizingIndexAt(y, false) : -1;
    if (colBorder >= 0 || rowBorder >= 0) {
      FGridState = colBorder >= 0 ? gsColSizing : gsRowSizing;
      FSizingIndex = colBorder >= 0 ? colBorder : rowBorder;
      FSizingStart = colBorder >= 0 ? ColLeft(colBorder) : RowTop(rowBorder);
      FSizingPos = colBorder >= 0 ? x : y;
      DrawSizingLine(FSizingPos);
    } else {
      TGridCoord cell = MouseCoord(x, y);
      if (cell.X >= FFixedCols && cell.Y >= FFixedRows) {
        if (FOptions.Contains(goEditing) && cell == FCurrent && !shift.Contains(ssDouble)) {
          ShowEditor();
        } else {
          FGridState = gsSelecting;
          bool extend = shift.Contains(ssShift) && FOptions.Contains(goRangeSelect);
          FocusCell(cell.X, cell.Y, !extend);
        }
      }
    }
  }
  inherited::MouseDown(button, shift, x, y);
}

void TCustomGrid::MouseMove(TShiftState shift, int32_t x, int32_t y) {
  if (FGridState == gsSelecting) {
    TGridCoord cell = MouseCoord(x, y);
    if (cell.X >= FFixedCols && cell.Y >= FFixedRows)
      FocusCell(cell.X, cell.Y, !FOptions.Contains(goRangeSelect));
  } else if (FGridState == gsColSizing || FGridState == gsRowSizing) {
    int32_t pos = std::max(FSizingStart, FGridState == gsColSizing ? x : y);
    if (pos != FSizingPos) {
      DrawSizingLine(FSizingPos);
      FSizingPos = pos;
      DrawSizingLine(FSizingPos);
    }
  }
  inherited::MouseMove(shift, x, y);
}

void TCustomGrid::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  TGridState state = FGridState;
  FGridState = gsNormal;
  if (state == gsColSizing || state == gsRowSizing) {
    FGridState = state;  // the line is erased in the state it was drawn in
    DrawSizingLine(FSizingPos);
    FGridState = gsNormal;
    if (state == gsColSizing)
      SetColWidths(FSizingIndex, FSizingPos - FSizingStart);
    else
      SetRowHeights(FSizingIndex, FSizingPos - FSizingStart);
  }
  inherited::MouseUp(button, shift, x, y);
}

void TCustomGrid::DblClick() {
  inherited::DblClick();
  if (FOptions.Contains(goEditing) && !Designing()) ShowEditor();
}

void TCustomGrid::WMSetCursor(TMessage& message) {
  if (FGridState == gsNormal && !Designing()) {
    POINT p;
    GetCursorPos(&p);
    TPoint at = ScreenToClient(Point(p.X, p.Y));
    bool inFixedRows = FFixedRows == 0 || at.Y < BorderWidth() + FixedHeight();
    bool inFixedCols = FFixedCols == 0 || at.X < BorderWidth() + FixedWidth();
    TCursor shape = crDefault;
    if (inFixedRows && SizingIndexAt(at.X, true) >= 0)
      shape = crHSplit;
    else if (inFixedCols && SizingIndexAt(at.Y, false) >= 0)
      shape = crVSplit;
    if (shape != crDefault && PtInRect(ClientRect(), at)) {
      ::SetCursor(Screen->Cursors(shape));
      message.Result = 1;
      return;
    }
  }
  DispatchFrom(inherited::ClassMessageTable(), message);
}
