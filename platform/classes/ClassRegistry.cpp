#include "platform/classes/ClassRegistry.h"

#include <strings.h>

#include <map>
#include <mutex>

#include "platform/classes/Persistent.h"
#include "platform/core/Exceptions.h"

namespace {
struct TNoCaseLess {
  bool operator()(const std::string& a, const std::string& b) const {
    return strcasecmp(a.c_str(), b.c_str()) < 0;
  }
};

std::mutex& RegistryLock() {
  static std::mutex lock;
  return lock;
}
std::map<std::string, TClass, TNoCaseLess>& Registry() {
  static std::map<std::string, TClass, TNoCaseLess> registry;
  return registry;
}

void AddName(const std::string& name, TClass cls) {
  auto [it, added] = Registry().emplace(name, cls);
  if (!added && it->second != cls) throw EFilerError("A class named " + name + " already exists");
}
}  // namespace

void RegisterClass(TClass cls) {
  std::lock_guard guard(RegistryLock());
  for (TClass c = cls; c; c = c->ClassParent()) {
    AddName(c->ClassName(), c);
    if (c == TPersistent::StaticClass()) break;
  }
}

void RegisterClasses(std::initializer_list<TClass> classes) {
  for (TClass cls : classes) RegisterClass(cls);
}

void RegisterClassAlias(TClass cls, const std::string& alias) {
  std::lock_guard guard(RegistryLock());
  AddName(alias, cls);
}

void UnRegisterClass(TClass cls) {
  std::lock_guard guard(RegistryLock());
  std::erase_if(Registry(), [cls](const auto& entry) { return entry.second == cls; });
}

TClass GetClass(const std::string& name) {
  std::lock_guard guard(RegistryLock());
  auto it = Registry().find(name);
  return it == Registry().end() ? nullptr : it->second;
}

TClass FindClass(const std::string& name) {
  TClass cls = GetClass(name);
  if (!cls) throw EClassNotFound("Class " + name + " not found");
  return cls;
}
