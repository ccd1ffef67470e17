#pragma once
// TStringGrid: a grid that keeps a string and an object per cell, paints
// the strings and edits them. Cols and Rows show a column or a row as
// TStrings. Only cells that hold something take memory.

#include <map>
#include <memory>
#include <utility>

#include "platform/controls/grids/DrawGrid.h"
#include "platform/controls/grids/StringGridStrings.h"


class TStringGrid : public TDrawGrid {
  MORVANE_CLASS(TStringGrid, TDrawGrid)

 public:
  explicit TStringGrid(TComponent* owner);
  ~TStringGrid() override;

  std::string Cells(int32_t col, int32_t row) const;
  void SetCells(int32_t col, int32_t row, const std::string& value);
  TObject* Objects(int32_t col, int32_t row) const;
  void SetObjects(int32_t col, int32_t row, TObject* value);
  // Views of one column or row; the grid owns them. Raise
  // EInvalidGridOperation for an index out of range.
  TStrings* Cols(int32_t index);
  void SetCols(int32_t index, TStrings* value) { Cols(index)->Assign(value); }
  TStrings* Rows(int32_t index);
  void SetRows(int32_t index, TStrings* value) { Rows(index)->Assign(value); }

 protected:
  void DrawCell(int32_t col, int32_t row, const TRect& rect, TGridDrawState state) override;
  std::string GetEditText(int32_t col, int32_t row) override;
  void SetEditText(int32_t col, int32_t row, const std::string& value) override;
  void SizeChanged(int32_t oldColCount, int32_t oldRowCount) override;

 private:
  struct TCell {
    std::string Text;
    TObject* Object = nullptr;
  };
  void CheckCell(int32_t col, int32_t row) const;
  void Store(int32_t col, int32_t row, const TCell& cell);
  TStrings* View(std::map<int32_t, std::unique_ptr<TStringGridStrings>>& views, int32_t index, bool isRow);
  std::map<std::pair<int32_t, int32_t>, TCell> FCells;
  std::map<int32_t, std::unique_ptr<TStringGridStrings>> FColViews;
  std::map<int32_t, std::unique_ptr<TStringGridStrings>> FRowViews;
};
