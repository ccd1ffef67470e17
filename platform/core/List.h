#pragma once
// TList: the platform's growable list of untyped pointers. Indexes are checked;
// a bad one raises EListError "List index out of bounds (n)". Descendants that
// must know when items come and go override Notify. Because a C++ destructor
// does not reach overrides, such a descendant calls Clear in its own destructor.

#include <cstdint>
#include <vector>

enum TListNotification { lnAdded, lnExtracted, lnDeleted };

// Negative, zero or positive, like the platform's sort callbacks.
using TListSortCompare = int (*)(void* item1, void* item2);

class TList {
 public:
  TList() = default;
  virtual ~TList() = default;
  TList(const TList&) = delete;
  TList& operator=(const TList&) = delete;

  int32_t Add(void* item);
  void Insert(int32_t index, void* item);
  void Delete(int32_t index);
  // Removes the first occurrence; answers its former index or -1.
  int32_t Remove(void* item);
  // Removes the first occurrence without the owner's "deleted" treatment;
  // answers the item, or null when absent.
  void* Extract(void* item);
  int32_t IndexOf(const void* item) const;
  void Exchange(int32_t index1, int32_t index2);
  // Takes the item at curIndex out and puts it back at newIndex.
  void Move(int32_t curIndex, int32_t newIndex);
  virtual void Clear();
  // Drops the null items.
  void Pack();
  // Stable sort with the given comparison.
  void Sort(TListSortCompare compare);

  int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
  // A larger count adds null items; a smaller one deletes from the end.
  void SetCount(int32_t newCount);
  int32_t Capacity() const { return static_cast<int32_t>(FItems.capacity()); }
  void SetCapacity(int32_t newCapacity);

  void* Get(int32_t index) const;
  void Put(int32_t index, void* item);
  void* Items(int32_t index) const { return Get(index); }
  void* operator[](int32_t index) const { return Get(index); }
  void* First() const { return Get(0); }
  void* Last() const { return Get(Count() - 1); }

 protected:
  virtual void Notify(void* item, TListNotification action);

 private:
  void CheckIndex(int32_t index, int32_t limit) const;
  std::vector<void*> FItems;
};
