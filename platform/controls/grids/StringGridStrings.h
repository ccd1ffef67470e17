#pragma once
// One column or row of a string grid seen as TStrings: as many strings as
// the grid has rows (columns); Add fills the first empty place, and the
// count itself only changes with the grid.

#include "platform/classes/Strings.h"

class TStringGrid;

class TStringGridStrings : public TStrings {
  MORVANE_CLASS(TStringGridStrings, TStrings)

 public:
  TStringGridStrings(TStringGrid* grid, int32_t index, bool isRow)
      : FGrid(grid), FIndex(index), FIsRow(isRow) {}

  std::string Get(int32_t index) const override;
  int32_t GetCount() const override;
  TObject* GetObject(int32_t index) const override;
  void Put(int32_t index, const std::string& s) override;
  void PutObject(int32_t index, TObject* object) override;
  void Clear() override;
  int32_t Add(const std::string& s) override;
  // The grid decides the count: deleting or inserting is refused.
  void Delete(int32_t index) override;
  void Insert(int32_t index, const std::string& s) override;

 private:
  int32_t ColOf(int32_t index) const { return FIsRow ? index : FIndex; }
  int32_t RowOf(int32_t index) const { return FIsRow ? FIndex : index; }
  TStringGrid* FGrid;
  int32_t FIndex;
  bool FIsRow;
};
