#include "platform/rtti/Object.h"

#include <strings.h>

namespace {
bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}
}  // namespace

PPropInfo TPublishedTable::FindProperty(const std::string& name) const {
  for (PPropInfo p : FProperties)
    if (SameName(p->Name, name)) return p;
  return nullptr;
}

const TMethodCode* TPublishedTable::FindMethod(const std::string& name) const {
  for (const TMethodEntry& m : FMethods)
    if (SameName(m.Name, name)) return m.Code;
  return nullptr;
}

const TPublishedTable::TMethodEntry* TPublishedTable::FindMethodByCode(
    const TMethodCode* code) const {
  for (const TMethodEntry& m : FMethods)
    if (m.Code == code) return &m;
  return nullptr;
}

void TPublishedTable::Inherit(const TPublishedTable& parent) {
  FOwned = parent.FOwned;
  FProperties = parent.FProperties;
  FMethods = parent.FMethods;
}

TPropInfo& TPublishedTable::Add(TPropInfo info) {
  for (size_t i = 0; i < FProperties.size(); ++i) {
    if (SameName(FProperties[i]->Name, info.Name)) {
      // Published again by a descendant: same place, same NameIndex.
      info.NameIndex = FProperties[i]->NameIndex;
      auto owned = std::make_shared<TPropInfo>(std::move(info));
      FProperties[i] = owned.get();
      FOwned.push_back(owned);
      return *owned;
    }
  }
  info.NameIndex = static_cast<int16_t>(FProperties.size());
  auto owned = std::make_shared<TPropInfo>(std::move(info));
  FProperties.push_back(owned.get());
  FOwned.push_back(owned);
  return *owned;
}

void TPublishedTable::AddMethod(std::string name, const TMethodCode* code) {
  FMethods.push_back({std::move(name), code});
}
