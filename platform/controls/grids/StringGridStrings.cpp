#include "platform/controls/grids/StringGridStrings.h"

#include "platform/controls/grids/StringGrid.h"

std::string TStringGridStrings::Get(int32_t index) const { return FGrid->Cells(ColOf(index), RowOf(index)); }

int32_t TStringGridStrings::GetCount() const { return FIsRow ? FGrid->ColCount() : FGrid->RowCount(); }

TObject* TStringGridStrings::GetObject(int32_t index) const {
  return FGrid->Objects(ColOf(index), RowOf(index));
}

void TStringGridStrings::Put(int32_t index, const std::string& s) {
  FGrid->SetCells(ColOf(index), RowOf(index), s);
}

void TStringGridStrings::PutObject(int32_t index, TObject* object) {
  FGrid->SetObjects(ColOf(index), RowOf(index), object);
}

void TStringGridStrings::Clear() {
  for (int32_t i = 0; i < GetCount(); ++i) {
    Put(i, "");
    PutObject(i, nullptr);
  }
}

int32_t TStringGridStrings::Add(const std::string& s) {
  for (int32_t i = 0; i < GetCount(); ++i)
    if (Get(i).empty() && !GetObject(i)) {
      Put(i, s);
      return i;
    }
  throw EInvalidGridOperation("Grid index out of range");
}

void TStringGridStrings::Delete(int32_t) { throw EInvalidGridOperation("Cannot delete a grid's cells"); }

void TStringGridStrings::Insert(int32_t, const std::string&) {
  throw EInvalidGridOperation("Cannot insert cells into a grid");
}
