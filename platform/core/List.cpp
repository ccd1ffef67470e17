#include "platform/core/List.h"

#include <algorithm>

#include "platform/core/Exceptions.h"

namespace {

[[noreturn]] void ListError(const char* what, int64_t value) {
  throw EListError(std::string("List ") + what + " out of bounds (" + std::to_string(value) + ")");
}

// The largest count a list accepts; beyond it a request is a corrupt number,
// not a real need for memory.
constexpr int32_t kMaxListSize = INT32_MAX / 16;

}  // namespace

void TList::CheckIndex(int32_t index, int32_t limit) const {
  if (index < 0 || index >= limit) ListError("index", index);
}

void TList::Notify(void*, TListNotification) {}

int32_t TList::Add(void* item) {
  int32_t index = Count();
  Insert(index, item);
  return index;
}

void TList::Insert(int32_t index, void* item) {
  CheckIndex(index, Count() + 1);
  FItems.insert(FItems.begin() + index, item);
  if (item) Notify(item, lnAdded);
}

void TList::Delete(int32_t index) {
  CheckIndex(index, Count());
  void* item = FItems[static_cast<size_t>(index)];
  FItems.erase(FItems.begin() + index);
  if (item) Notify(item, lnDeleted);
}

int32_t TList::Remove(void* item) {
  int32_t index = IndexOf(item);
  if (index >= 0) Delete(index);
  return index;
}

void* TList::Extract(void* item) {
  int32_t index = IndexOf(item);
  if (index < 0) return nullptr;
  FItems.erase(FItems.begin() + index);
  Notify(item, lnExtracted);
  return item;
}

int32_t TList::IndexOf(const void* item) const {
  auto it = std::find(FItems.begin(), FItems.end(), item);
  return it == FItems.end() ? -1 : static_cast<int32_t>(it - FItems.begin());
}

void TList::Exchange(int32_t index1, int32_t index2) {
  CheckIndex(index1, Count());
  CheckIndex(index2, Count());
  std::swap(FItems[static_cast<size_t>(index1)], FItems[static_cast<size_t>(index2)]);
}

void TList::Move(int32_t curIndex, int32_t newIndex) {
  if (curIndex == newIndex) return;
  CheckIndex(curIndex, Count());
  CheckIndex(newIndex, Count());
  void* item = FItems[static_cast<size_t>(curIndex)];
  FItems.erase(FItems.begin() + curIndex);
  FItems.insert(FItems.begin() + newIndex, item);
}

void TList::Clear() {
  SetCount(0);
  FItems.shrink_to_fit();
}

void TList::Pack() { FItems.erase(std::remove(FItems.begin(), FItems.end(), nullptr), FItems.end()); }

void TList::Sort(TListSortCompare compare) {
  std::stable_sort(FItems.begin(), FItems.end(), [compare](void* a, void* b) { return compare(a, b) < 0; });
}

void TList::SetCount(int32_t newCount) {
  if (newCount < 0 || newCount > kMaxListSize) ListError("count", newCount);
  // Delete from the end one by one so that Notify sees each item while the
  // list is still consistent.
  while (Count() > newCount) Delete(Count() - 1);
  FItems.resize(static_cast<size_t>(newCount), nullptr);
}

void TList::SetCapacity(int32_t newCapacity) {
  if (newCapacity < Count() || newCapacity > kMaxListSize) ListError("capacity", newCapacity);
  if (newCapacity > Capacity()) {
    FItems.reserve(static_cast<size_t>(newCapacity));
  } else {
    std::vector<void*> shrunk;
    shrunk.reserve(static_cast<size_t>(newCapacity));
    shrunk.assign(FItems.begin(), FItems.end());
    FItems.swap(shrunk);
  }
}

void* TList::Get(int32_t index) const {
  CheckIndex(index, Count());
  return FItems[static_cast<size_t>(index)];
}

void TList::Put(int32_t index, void* item) {
  CheckIndex(index, Count());
  void* old = FItems[static_cast<size_t>(index)];
  if (old == item) return;
  FItems[static_cast<size_t>(index)] = item;
  if (old) Notify(old, lnDeleted);
  if (item) Notify(item, lnAdded);
}
