#include "platform/controls/grids/StringGrid.h"

#include "platform/controls/grids/StringGridStrings.h"

TStringGrid::TStringGrid(TComponent* owner) : TDrawGrid(owner) {}

TStringGrid::~TStringGrid() = default;

void TStringGrid::CheckCell(int32_t col, int32_t row) const {
  if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount())
    throw EInvalidGridOperation("Grid index out of range");
}

std::string TStringGrid::Cells(int32_t col, int32_t row) const {
  auto found = FCells.find({col, row});
  return found == FCells.end() ? std::string() : found->second.Text;
}

TObject* TStringGrid::Objects(int32_t col, int32_t row) const {
  auto found = FCells.find({col, row});
  return found == FCells.end() ? nullptr : found->second.Object;
}

void TStringGrid::Store(int32_t col, int32_t row, const TCell& cell) {
  CheckCell(col, row);
  if (cell.Text.empty() && !cell.Object)
    FCells.erase({col, row});
  else
    FCells[{col, row}] = cell;
}

void TStringGrid::SetCells(int32_t col, int32_t row, const std::string& value) {
  Store(col, row, {value, Objects(col, row)});
  InvalidateCell(col, row);
}

void TStringGrid::SetObjects(int32_t col, int32_t row, TObject* value) {
  Store(col, row, {Cells(col, row), value});
}

TStrings* TStringGrid::View(std::map<int32_t, std::unique_ptr<TStringGridStrings>>& views, int32_t index,
                            bool isRow) {
  if (index < 0 || index >= (isRow ? RowCount() : ColCount()))
    throw EInvalidGridOperation("Grid index out of range");
  auto& view = views[index];
  if (!view) view = std::make_unique<TStringGridStrings>(this, index, isRow);
  return view.get();
}

TStrings* TStringGrid::Cols(int32_t index) { return View(FColViews, index, false); }
TStrings* TStringGrid::Rows(int32_t index) { return View(FRowViews, index, true); }

void TStringGrid::DrawCell(int32_t col, int32_t row, const TRect& rect, TGridDrawState state) {
  if (DefaultDrawing()) {
    Canvas()->Brush()->SetStyle(bsClear);
    Canvas()->TextRect(rect, rect.Left + 2, rect.Top + 2, Cells(col, row));
    Canvas()->Brush()->SetStyle(bsSolid);
  }
  inherited::DrawCell(col, row, rect, state);
}

std::string TStringGrid::GetEditText(int32_t col, int32_t row) {
  std::string text = Cells(col, row);
  if (OnGetEditText) OnGetEditText(this, col, row, text);
  return text;
}

void TStringGrid::SetEditText(int32_t col, int32_t row, const std::string& value) {
  if (value != Cells(col, row)) SetCells(col, row, value);
  inherited::SetEditText(col, row, value);
}

void TStringGrid::SizeChanged(int32_t oldColCount, int32_t oldRowCount) {
  // Cells outside the new counts are gone, and so are views of lost lines.
  std::erase_if(FCells, [this](const auto& entry) {
    return entry.first.first >= ColCount() || entry.first.second >= RowCount();
  });
  FColViews.erase(FColViews.lower_bound(ColCount()), FColViews.end());
  FRowViews.erase(FRowViews.lower_bound(RowCount()), FRowViews.end());
  inherited::SizeChanged(oldColCount, oldRowCount);
}
