#include <algorithm>
#include <numeric>

#include "platform/classes/Strings.h"
#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"

namespace {

[[noreturn]] void SortedListError() { throw EStringListError("Operation not allowed on sorted list"); }

}  // namespace

TStringList::~TStringList() {
  OnChange.Clear();
  OnChanging.Clear();
  if (FOwnsObjects)
    for (TStringItem& item : FItems) delete item.FObject;
}

void TStringList::CheckIndex(int32_t index, int32_t limit) const {
  if (index < 0 || index >= limit) IndexError(index);
}

std::string TStringList::Get(int32_t index) const {
  CheckIndex(index, Count());
  return FItems[static_cast<size_t>(index)].FString;
}

TObject* TStringList::GetObject(int32_t index) const {
  CheckIndex(index, Count());
  return FItems[static_cast<size_t>(index)].FObject;
}

void TStringList::Put(int32_t index, const std::string& s) {
  if (FSorted) SortedListError();
  CheckIndex(index, Count());
  Changing();
  FItems[static_cast<size_t>(index)].FString = s;
  Changed();
}

void TStringList::PutObject(int32_t index, TObject* object) {
  CheckIndex(index, Count());
  Changing();
  FItems[static_cast<size_t>(index)].FObject = object;
  Changed();
}

void TStringList::Clear() {
  if (FItems.empty()) return;
  Changing();
  std::vector<TStringItem> items;
  items.swap(FItems);
  // Freed after the list is empty, so a destructor that looks at this list
  // finds it consistent.
  if (FOwnsObjects)
    for (TStringItem& item : items) delete item.FObject;
  Changed();
}

void TStringList::Delete(int32_t index) {
  CheckIndex(index, Count());
  Changing();
  TObject* object = FItems[static_cast<size_t>(index)].FObject;
  FItems.erase(FItems.begin() + index);
  if (FOwnsObjects) delete object;
  Changed();
}

void TStringList::Insert(int32_t index, const std::string& s) { InsertObject(index, s, nullptr); }

void TStringList::InsertObject(int32_t index, const std::string& s, TObject* object) {
  if (FSorted) SortedListError();
  CheckIndex(index, Count() + 1);
  InsertItem(index, s, object);
}

void TStringList::InsertItem(int32_t index, const std::string& s, TObject* object) {
  Changing();
  FItems.insert(FItems.begin() + index, TStringItem{s, object});
  Changed();
}

int32_t TStringList::AddObject(const std::string& s, TObject* object) {
  int32_t index = Count();
  if (FSorted && Find(s, index)) {
    if (FDuplicates == dupIgnore) return index;
    if (FDuplicates == dupError) throw EStringListError("String list does not allow duplicates");
    // An accepted duplicate goes after its equals, keeping the order of adding.
    while (index < Count() && CompareStrings(FItems[static_cast<size_t>(index)].FString, s) == 0) ++index;
  }
  InsertItem(index, s, object);
  return index;
}

void TStringList::Exchange(int32_t index1, int32_t index2) {
  CheckIndex(index1, Count());
  CheckIndex(index2, Count());
  Changing();
  std::swap(FItems[static_cast<size_t>(index1)], FItems[static_cast<size_t>(index2)]);
  Changed();
}

void TStringList::Move(int32_t curIndex, int32_t newIndex) {
  if (curIndex == newIndex) return;
  if (FSorted) SortedListError();
  CheckIndex(curIndex, Count());
  CheckIndex(newIndex, Count());
  Changing();
  TStringItem item = std::move(FItems[static_cast<size_t>(curIndex)]);
  FItems.erase(FItems.begin() + curIndex);
  FItems.insert(FItems.begin() + newIndex, std::move(item));
  Changed();
}

int32_t TStringList::IndexOf(const std::string& s) const {
  if (!FSorted) return TStrings::IndexOf(s);
  int32_t index;
  return Find(s, index) ? index : -1;
}

bool TStringList::Find(const std::string& s, int32_t& index) const {
  auto it = std::lower_bound(FItems.begin(), FItems.end(), s, [this](const TStringItem& item, const std::string& key) {
    return CompareStrings(item.FString, key) < 0;
  });
  index = static_cast<int32_t>(it - FItems.begin());
  return it != FItems.end() && CompareStrings(it->FString, s) == 0;
}

void TStringList::Sort() {
  CustomSort([](TStringList* list, int32_t index1, int32_t index2) {
    return list->CompareStrings(list->FItems[static_cast<size_t>(index1)].FString,
                                list->FItems[static_cast<size_t>(index2)].FString);
  });
}

void TStringList::CustomSort(TStringListSortCompare compare) {
  if (FItems.size() < 2) return;
  // Sort positions while the list itself stays as it is, because the
  // comparison looks the strings up by index.
  std::vector<int32_t> order(FItems.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int32_t a, int32_t b) { return compare(this, a, b) < 0; });
  Changing();
  std::vector<TStringItem> sorted;
  sorted.reserve(FItems.size());
  for (int32_t i : order) sorted.push_back(std::move(FItems[static_cast<size_t>(i)]));
  FItems.swap(sorted);
  Changed();
}

void TStringList::SetSorted(bool sorted) {
  if (sorted == FSorted) return;
  if (sorted) Sort();
  FSorted = sorted;
}

void TStringList::SetCaseSensitive(bool caseSensitive) {
  if (caseSensitive == FCaseSensitive) return;
  FCaseSensitive = caseSensitive;
  if (FSorted) Sort();
}

int TStringList::CompareStrings(const std::string& s1, const std::string& s2) const {
  return FCaseSensitive ? AnsiCompareStr(s1, s2) : AnsiCompareText(s1, s2);
}

void TStringList::SetUpdateState(bool updating) {
  if (!updating && FChangedInUpdate) {
    FChangedInUpdate = false;
    Changed();
  }
}

void TStringList::Changing() {
  if (UpdateCount() > 0) {
    if (FChangedInUpdate) return;
    FChangedInUpdate = true;
  }
  if (OnChanging) OnChanging(this);
}

void TStringList::Changed() {
  if (UpdateCount() == 0 && OnChange) OnChange(this);
}
