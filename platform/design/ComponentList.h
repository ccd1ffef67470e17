#pragma once
// TComponentList: the list type of a selection in the design-time contract.
// It holds the selected objects (components, or persistent objects such as a
// font when an editor inspects sub-properties) in selection order; it never
// owns them.

#include <cstdint>

#include "platform/classes/Persistent.h"
#include "platform/core/List.h"

class TComponentList : public TObject {
  MORVANE_CLASS(TComponentList, TObject)

 public:
  TComponentList() = default;

  int32_t Add(TPersistent* item) { return FList.Add(item); }
  int32_t Count() const { return FList.Count(); }
  // Raises EListError for an index out of range.
  TPersistent* Items(int32_t index) const { return static_cast<TPersistent*>(FList.Get(index)); }
  TPersistent* operator[](int32_t index) const { return Items(index); }
  // The same objects in the same order.
  bool Equals(const TComponentList* other) const;

 private:
  TList FList;
};
