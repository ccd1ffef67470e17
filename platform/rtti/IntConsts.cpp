#include "platform/rtti/IntConsts.h"

#include <strings.h>

#include <map>
#include <mutex>

namespace {
struct TIntConsts {
  TIdentToInt IdentToInt;
  TIntToIdent IntToIdent;
};

std::mutex& RegistryLock() {
  static std::mutex lock;
  return lock;
}
std::map<PTypeInfo, TIntConsts>& Registry() {
  static std::map<PTypeInfo, TIntConsts> registry;
  return registry;
}
}  // namespace

bool IdentToInt(const std::string& ident, int32_t& value, const std::vector<TIdentMapEntry>& map) {
  for (const TIdentMapEntry& e : map) {
    if (strcasecmp(e.Name, ident.c_str()) == 0) {
      value = e.Value;
      return true;
    }
  }
  return false;
}

bool IntToIdent(int32_t value, std::string& ident, const std::vector<TIdentMapEntry>& map) {
  for (const TIdentMapEntry& e : map) {
    if (e.Value == value) {
      ident = e.Name;
      return true;
    }
  }
  return false;
}

void RegisterIntegerConsts(PTypeInfo integerType, TIdentToInt identToInt, TIntToIdent intToIdent) {
  std::lock_guard guard(RegistryLock());
  Registry()[integerType] = {std::move(identToInt), std::move(intToIdent)};
}

void UnregisterIntegerConsts(PTypeInfo integerType) {
  std::lock_guard guard(RegistryLock());
  Registry().erase(integerType);
}

TIntToIdent FindIntToIdent(PTypeInfo integerType) {
  std::lock_guard guard(RegistryLock());
  auto it = Registry().find(integerType);
  return it == Registry().end() ? TIntToIdent() : it->second.IntToIdent;
}

TIdentToInt FindIdentToInt(PTypeInfo integerType) {
  std::lock_guard guard(RegistryLock());
  auto it = Registry().find(integerType);
  return it == Registry().end() ? TIdentToInt() : it->second.IdentToInt;
}
