// The grid's state and geometry: counts, sizes, the current cell, the top
// left cell, cell rectangles and hit tests, and the sizes in streams.

#include "platform/controls/grids/CustomGrid.h"

#include <algorithm>

#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/controls/grids/InplaceEdit.h"
#include "platform/windows/Windows.h"

TCustomGrid::TCustomGrid(TComponent* owner) : TCustomControl(owner) {
  // No click events of its own: moving the current cell is the click.
  FControlStyle = TControlStyle{csCaptureMouse, csDoubleClicks};
  FColor = clWindow;
  FParentColor = false;
  FTabStop = true;
  SetBounds(0, 0, 320, 120);
}

TCustomGrid::~TCustomGrid() = default;

void TCustomGrid::SetColCount(int32_t value) {
  value = std::max(1, value);
  if (value == FColCount) return;
  int32_t old = FColCount;
  FColCount = value;
  FColWidths.erase(FColWidths.lower_bound(value), FColWidths.end());
  if (FFixedCols >= value) FFixedCols = value - 1;
  SizeChanged(old, FRowCount);
}

void TCustomGrid::SetRowCount(int32_t value) {
  value = std::max(1, value);
  if (value == FRowCount) return;
  int32_t old = FRowCount;
  FRowCount = value;
  FRowHeights.erase(FRowHeights.lower_bound(value), FRowHeights.end());
  if (FFixedRows >= value) FFixedRows = value - 1;
  SizeChanged(FColCount, old);
}

void TCustomGrid::SetFixedCols(int32_t value) {
  if (value < 0) throw EInvalidGridOperation("Grid index out of range");
  if (value >= FColCount) throw EInvalidGridOperation("Fixed column count must be less than column count");
  FFixedCols = value;
  SizeChanged(FColCount, FRowCount);
}

void TCustomGrid::SetFixedRows(int32_t value) {
  if (value < 0) throw EInvalidGridOperation("Grid index out of range");
  if (value >= FRowCount) throw EInvalidGridOperation("Fixed row count must be less than row count");
  FFixedRows = value;
  SizeChanged(FColCount, FRowCount);
}

void TCustomGrid::SetDefaultColWidth(int32_t value) {
  FDefaultColWidth = std::max(0, value);
  FColWidths.clear();
  ColWidthsChanged();
}

void TCustomGrid::SetDefaultRowHeight(int32_t value) {
  FDefaultRowHeight = std::max(0, value);
  FRowHeights.clear();
  RowHeightsChanged();
}

int32_t TCustomGrid::ColWidths(int32_t index) const {
  auto found = FColWidths.find(index);
  return found == FColWidths.end() ? FDefaultColWidth : found->second;
}

void TCustomGrid::SetColWidths(int32_t index, int32_t value) {
  if (index < 0 || index >= FColCount) throw EInvalidGridOperation("Grid index out of range");
  value = std::max(0, value);
  if (value == ColWidths(index)) return;
  if (value == FDefaultColWidth)
    FColWidths.erase(index);
  else
    FColWidths[index] = value;
  ColWidthsChanged();
}

int32_t TCustomGrid::RowHeights(int32_t index) const {
  auto found = FRowHeights.find(index);
  return found == FRowHeights.end() ? FDefaultRowHeight : found->second;
}

void TCustomGrid::SetRowHeights(int32_t index, int32_t value) {
  if (index < 0 || index >= FRowCount) throw EInvalidGridOperation("Grid index out of range");
  value = std::max(0, value);
  if (value == RowHeights(index)) return;
  if (value == FDefaultRowHeight)
    FRowHeights.erase(index);
  else
    FRowHeights[index] = value;
  RowHeightsChanged();
}

void TCustomGrid::SetGridLineWidth(int32_t value) {
  FGridLineWidth = std::max(0, value);
  ColWidthsChanged();
}

void TCustomGrid::SetOptions(TGridOptions value) {
  if (value.Contains(goRowSelect)) value.Exclude(goAlwaysShowEditor);
  FOptions = value;
  if (!FEditorMode) {
    if (value.Contains(goAlwaysShowEditor))
      ShowEditor();
    else
      HideEditor();
  } else {
    UpdateEdit();  // editing may no longer be allowed (row selection)
  }
  Invalidate();
}

void TCustomGrid::SetScrollBars(TScrollStyle value) {
  FScrollBars = value;
  UpdateScrollBars();
}

void TCustomGrid::SetBorderStyle(TBorderStyle value) {
  FBorderStyle = value == bsNone ? bsNone : bsSingle;
  UpdateScrollBars();
  Invalidate();
}

int32_t TCustomGrid::BorderWidth() const { return FBorderStyle == bsSingle ? 2 : 0; }

TRect TCustomGrid::ClientRect() const {
  int32_t w = Width() - (FVertShown ? GetSystemMetrics(SM_CXVSCROLL) : 0);
  int32_t h = Height() - (FHorzShown ? GetSystemMetrics(SM_CYHSCROLL) : 0);
  return Rect(0, 0, std::max(0, w), std::max(0, h));
}

void TCustomGrid::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  bool resized = width != Width() || height != Height();
  inherited::SetBounds(left, top, width, height);
  if (resized) {
    UpdateScrollBars();
    MoveTopLeft(FTopLeft.X, FTopLeft.Y);
  }
}

int32_t TCustomGrid::FixedWidth() const {
  int32_t w = 0;
  for (int32_t i = 0; i < FFixedCols && w <= Width(); ++i) w += ColWidths(i) + FGridLineWidth;
  return w;
}

int32_t TCustomGrid::FixedHeight() const {
  int32_t h = 0;
  for (int32_t i = 0; i < FFixedRows && h <= Height(); ++i) h += RowHeights(i) + FGridLineWidth;
  return h;
}

int32_t TCustomGrid::LineStart(int32_t index, bool cols) const {
  int32_t count = cols ? FColCount : FRowCount;
  int32_t fixed = cols ? FFixedCols : FFixedRows;
  int32_t first = cols ? FTopLeft.X : FTopLeft.Y;
  auto size = [&](int32_t i) { return (cols ? ColWidths(i) : RowHeights(i)) + FGridLineWidth; };
  if (index < 0 || index >= count) return -1;
  int32_t pos = BorderWidth();
  if (index < fixed) {
    for (int32_t i = 0; i < index; ++i) pos += size(i);
    return pos;
  }
  if (index < first) return -1;
  pos += cols ? FixedWidth() : FixedHeight();
  int32_t limit = cols ? ClientRect().Right : ClientRect().Bottom;
  for (int32_t i = first; i < index; ++i) {
    pos += size(i);
    if (pos > limit) return -1;
  }
  return pos;
}

int32_t TCustomGrid::ColLeft(int32_t col) const { return LineStart(col, true); }
int32_t TCustomGrid::RowTop(int32_t row) const { return LineStart(row, false); }

TRect TCustomGrid::CellRect(int32_t col, int32_t row) const {
  int32_t x = ColLeft(col);
  int32_t y = RowTop(row);
  TRect client = ClientRect();
  if (x < 0 || y < 0 || x >= client.Right || y >= client.Bottom) return TRect();
  return Rect(x, y, x + ColWidths(col), y + RowHeights(row));
}

void TCustomGrid::MouseToCell(int32_t x, int32_t y, int32_t& col, int32_t& row) const {
  TGridCoord cell = MouseCoord(x, y);
  col = cell.X;
  row = cell.Y;
}

TGridCoord TCustomGrid::MouseCoord(int32_t x, int32_t y) const {
  TRect client = ClientRect();
  auto find = [&](int32_t pos, int32_t count, int32_t fixed, int32_t first, int32_t limit, auto size) {
    int32_t edge = BorderWidth();
    if (pos < edge || pos >= limit) return -1;
    for (int32_t i = 0; i < count && edge < limit; ++i) {
      if (i == fixed) i = std::max(fixed, first);
      if (i >= count) break;
      edge += size(i) + FGridLineWidth;
      if (pos < edge) return i;
    }
    return -1;
  };
  TGridCoord cell;
  cell.X = find(x, FColCount, FFixedCols, FTopLeft.X, client.Right, [this](int32_t i) { return ColWidths(i); });
  cell.Y = find(y, FRowCount, FFixedRows, FTopLeft.Y, client.Bottom, [this](int32_t i) { return RowHeights(i); });
  return cell;
}

int32_t TCustomGrid::LastFullVisible(bool cols) const {
  TRect client = ClientRect();
  int32_t limit = (cols ? client.Right : client.Bottom);
  int32_t pos = BorderWidth() + (cols ? FixedWidth() : FixedHeight());
  int32_t first = cols ? FTopLeft.X : FTopLeft.Y;
  int32_t count = cols ? FColCount : FRowCount;
  int32_t i = first;
  for (; i < count; ++i) {
    int32_t size = cols ? ColWidths(i) : RowHeights(i);
    if (pos + size > limit) break;
    pos += size + FGridLineWidth;
  }
  return i - 1;
}

int32_t TCustomGrid::VisibleColCount() const { return std::max(0, LastFullVisible(true) - FTopLeft.X + 1); }
int32_t TCustomGrid::VisibleRowCount() const { return std::max(0, LastFullVisible(false) - FTopLeft.Y + 1); }

int32_t TCustomGrid::FirstShowing(int32_t last, bool cols) const {
  int32_t fixed = cols ? FFixedCols : FFixedRows;
  TRect client = ClientRect();
  int32_t space = cols ? client.Right - BorderWidth() - FixedWidth() : client.Bottom - BorderWidth() - FixedHeight();
  auto size = [&](int32_t i) { return cols ? ColWidths(i) : RowHeights(i); };
  int32_t i = last;
  int32_t used = size(i);
  while (i > fixed && used + FGridLineWidth + size(i - 1) <= space) {
    --i;
    used += FGridLineWidth + size(i);
  }
  return std::max(fixed, i);
}

TGridCoord TCustomGrid::MaxTopLeft() const {
  return {FirstShowing(FColCount - 1, true), FirstShowing(FRowCount - 1, false)};
}

void TCustomGrid::MoveTopLeft(int32_t leftCol, int32_t topRow) {
  TGridCoord max = MaxTopLeft();
  TGridCoord next{std::clamp(leftCol, FFixedCols, max.X), std::clamp(topRow, FFixedRows, max.Y)};
  if (next == FTopLeft) return;
  FTopLeft = next;
  TopLeftChanged();
}

void TCustomGrid::TopLeftChanged() {
  UpdateScrollBars();
  Invalidate();
  if (FInplaceEdit && FInplaceCell.X >= 0) FInplaceEdit->UpdateLoc(CellRect(FCurrent.X, FCurrent.Y));
}

TGridRect TCustomGrid::Selection() const {
  if (FOptions.Contains(goRowSelect))
    return {FFixedCols, std::min(FAnchor.Y, FCurrent.Y), FColCount - 1, std::max(FAnchor.Y, FCurrent.Y)};
  return {std::min(FAnchor.X, FCurrent.X), std::min(FAnchor.Y, FCurrent.Y),
          std::max(FAnchor.X, FCurrent.X), std::max(FAnchor.Y, FCurrent.Y)};
}

void TCustomGrid::SetSelection(const TGridRect& value) {
  // The current cell goes to the top left corner, the anchor to the other.
  FocusCell(value.Left, value.Top, true);
  FAnchor = {std::clamp(value.Right, FFixedCols, FColCount - 1), std::clamp(value.Bottom, FFixedRows, FRowCount - 1)};
  Invalidate();
}

void TCustomGrid::ClampCurrent() {
  auto clamp = [](TGridCoord c, TGridCoord low, TGridCoord high) {
    return TGridCoord{std::clamp(c.X, low.X, high.X), std::clamp(c.Y, low.Y, high.Y)};
  };
  TGridCoord low{FFixedCols, FFixedRows};
  TGridCoord high{FColCount - 1, FRowCount - 1};
  FCurrent = clamp(FCurrent, low, high);
  FAnchor = clamp(FAnchor, low, high);
  FTopLeft = clamp(FTopLeft, low, high);
}

void TCustomGrid::FocusCell(int32_t col, int32_t row, bool moveAnchor) {
  col = std::clamp(col, FFixedCols, FColCount - 1);
  row = std::clamp(row, FFixedRows, FRowCount - 1);
  TGridCoord cell{col, row};
  if (cell != FCurrent) {
    if (!SelectCell(col, row)) return;
    HideEdit();
    FCurrent = cell;
  }
  if (moveAnchor) FAnchor = FCurrent;
  // Scroll the cell into view.
  TGridCoord topLeft = FTopLeft;
  if (col < topLeft.X) topLeft.X = col;
  if (col > LastFullVisible(true)) topLeft.X = FirstShowing(col, true);
  if (row < topLeft.Y) topLeft.Y = row;
  if (row > LastFullVisible(false)) topLeft.Y = FirstShowing(row, false);
  MoveTopLeft(topLeft.X, topLeft.Y);
  Invalidate();
  UpdateEdit();
  Click();
}

bool TCustomGrid::SelectCell(int32_t, int32_t) { return true; }
std::string TCustomGrid::GetEditText(int32_t, int32_t) { return {}; }
void TCustomGrid::SetEditText(int32_t, int32_t, const std::string&) {}
std::string TCustomGrid::GetEditMask(int32_t, int32_t) { return {}; }
void TCustomGrid::DrawCell(int32_t, int32_t, const TRect&, TGridDrawState) {}

void TCustomGrid::ColWidthsChanged() {
  UpdateScrollBars();
  MoveTopLeft(FTopLeft.X, FTopLeft.Y);
  Invalidate();
  if (FInplaceEdit && FInplaceCell.X >= 0) FInplaceEdit->UpdateLoc(CellRect(FCurrent.X, FCurrent.Y));
}

void TCustomGrid::RowHeightsChanged() { ColWidthsChanged(); }

void TCustomGrid::SizeChanged(int32_t, int32_t) {
  ClampCurrent();
  if (FInplaceCell.X >= FColCount || FInplaceCell.Y >= FRowCount) HideEdit();
  ColWidthsChanged();
}

void TCustomGrid::InvalidateCell(int32_t col, int32_t row) {
  if (!HandleAllocated()) return;
  TRect r = CellRect(col, row);
  InflateRect(r, FGridLineWidth, FGridLineWidth);
  InvalidateRect(Handle(), &r, false);
}

void TCustomGrid::InvalidateRow(int32_t row) {
  if (!HandleAllocated()) return;
  int32_t y = RowTop(row);
  if (y < 0) return;
  TRect r = Rect(0, y, ClientWidth(), y + RowHeights(row) + FGridLineWidth);
  InvalidateRect(Handle(), &r, false);
}

void TCustomGrid::InvalidateCol(int32_t col) {
  if (!HandleAllocated()) return;
  int32_t x = ColLeft(col);
  if (x < 0) return;
  TRect r = Rect(x, 0, x + ColWidths(col) + FGridLineWidth, ClientHeight());
  InvalidateRect(Handle(), &r, false);
}

void TCustomGrid::Loaded() {
  inherited::Loaded();
  ClampCurrent();
  ColWidthsChanged();
}

void TCustomGrid::WriteSizes(TWriter& writer, bool cols) {
  writer.WriteListBegin();
  for (int32_t i = 0, n = cols ? FColCount : FRowCount; i < n; ++i)
    writer.WriteInteger(cols ? ColWidths(i) : RowHeights(i));
  writer.WriteListEnd();
}

void TCustomGrid::ReadSizes(TReader& reader, bool cols) {
  reader.ReadListBegin();
  // Values beyond the count are read and dropped: they have no column.
  for (int32_t i = 0; !reader.EndOfList(); ++i) {
    int32_t value = reader.ReadInteger();
    if (i < (cols ? FColCount : FRowCount)) {
      if (cols)
        SetColWidths(i, value);
      else
        SetRowHeights(i, value);
    }
  }
  reader.ReadListEnd();
}

void TCustomGrid::DefineProperties(TFiler* filer) {
  inherited::DefineProperties(filer);
  filer->DefineProperty(
      "ColWidths", [this](TReader& r) { ReadSizes(r, true); }, [this](TWriter& w) { WriteSizes(w, true); },
      !FColWidths.empty());
  filer->DefineProperty(
      "RowHeights", [this](TReader& r) { ReadSizes(r, false); },
      [this](TWriter& w) { WriteSizes(w, false); }, !FRowHeights.empty());
}

void TCustomGrid::Messages(TMessageMap<TCustomGrid>& m) {
  m.On<&TCustomGrid::WMVScroll>(WM_VSCROLL);
  m.On<&TCustomGrid::WMHScroll>(WM_HSCROLL);
  m.On<&TCustomGrid::WMSetCursor>(WM_SETCURSOR);
  m.On<&TCustomGrid::WMEraseBkgnd>(WM_ERASEBKGND);
}
