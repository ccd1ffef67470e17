#include "platform/design/ComponentList.h"

bool TComponentList::Equals(const TComponentList* other) const {
  if (!other || other->Count() != Count()) return false;
  for (int32_t i = 0; i < Count(); ++i)
    if (other->Items(i) != Items(i)) return false;
  return true;
}
