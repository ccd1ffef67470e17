// Modules on the dynamic loader, with the tables modules carry.

#include "platform/windows/Modules.h"

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <map>

#include "platform/windows/HandleTable.h"
#include "platform/windows/ModuleTable.h"

namespace {

struct TModuleRecord {
  void* Library = nullptr;
  const TModuleTable* Table = nullptr;
  std::string Path;
  int References = 1;
  bool Program = false;
};

THandleTable<HMODULE, TModuleRecord>& Modules() {
  static THandleTable<HMODULE, TModuleRecord> table;
  return table;
}

std::string& LastError() {
  static std::string error;
  return error;
}

const TModuleTable* TableOf(void* library) {
  auto answer = reinterpret_cast<const TModuleTable* (*)()>(dlsym(library, "MorvaneModuleTable"));
  return answer ? answer() : nullptr;
}

std::string RealPath(const char* path) {
  char resolved[PATH_MAX];
  return path && realpath(path, resolved) ? std::string(resolved) : std::string(path ? path : "");
}

std::string LibraryPath(void* library) {
  link_map* map = nullptr;
  if (dlinfo(library, RTLD_DI_LINKMAP, &map) != 0 || !map) return {};
  return RealPath(map->l_name);
}

bool SameText(const char* a, const char* b) {
  for (; *a && *b; ++a, ++b)
    if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b)))
      return false;
  return *a == *b;
}

bool NameMatches(const TModuleResource& r, const char* name) {
  if (!IS_INTRESOURCE(name)) return SameText(r.Name, name);
  std::string number = std::to_string(reinterpret_cast<uintptr_t>(name));
  return r.Name == number || r.Name == "#" + number;
}

TModuleRecord* ProgramRecord(HMODULE* handle = nullptr) {
  static HMODULE program = nullptr;
  if (!Modules().Find(program)) {
    auto record = std::make_unique<TModuleRecord>();
    record->Library = dlopen(nullptr, RTLD_NOW);
    record->Table = record->Library ? TableOf(record->Library) : nullptr;
    record->Path = RealPath("/proc/self/exe");
    record->Program = true;
    program = Modules().Add(std::move(record));
  }
  if (handle) *handle = program;
  return Modules().Find(program);
}

TModuleRecord* RecordOf(HMODULE module) {
  if (!module) return ProgramRecord();
  return Modules().Find(module);
}

const TModuleResource* ResourceOf(HMODULE module, HRSRC resource) {
  TModuleRecord* m = RecordOf(module);
  if (!m || !m->Table || !resource) return nullptr;
  auto* r = reinterpret_cast<const TModuleResource*>(resource);
  const TModuleResource* first = m->Table->Resources;
  return r >= first && r < first + m->Table->ResourceCount ? r : nullptr;
}

std::map<int32_t, std::string>& StringResources() {
  static std::map<int32_t, std::string> strings;
  return strings;
}

}  // namespace

HMODULE LoadLibrary(const char* fileName) {
  if (!fileName || !*fileName) {
    LastError() = "No library file name given";
    return nullptr;
  }
  void* library = dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
  if (!library) {
    const char* error = dlerror();
    LastError() = error ? error : std::string("Cannot load ") + fileName;
    return nullptr;
  }
  HMODULE found = nullptr;
  Modules().ForEach([&](HMODULE h, TModuleRecord& r) {
    if (r.Library == library && !r.Program) found = h;
  });
  if (found) {
    // dlopen counted this load as well; FreeLibrary gives it back.
    ++Modules().Find(found)->References;
    dlclose(library);
    return found;
  }
  auto record = std::make_unique<TModuleRecord>();
  record->Library = library;
  record->Table = TableOf(library);
  record->Path = LibraryPath(library);
  return Modules().Add(std::move(record));
}

bool FreeLibrary(HMODULE module) {
  TModuleRecord* m = Modules().Find(module);
  if (!m || m->Program) return false;
  if (--m->References == 0) {
    dlclose(m->Library);
    Modules().Remove(module);
  }
  return true;
}

std::string LastModuleError() { return LastError(); }

void* GetProcAddress(HMODULE module, const char* procName) {
  TModuleRecord* m = RecordOf(module);
  if (!m || !procName) return nullptr;
  if (m->Table)
    for (const TModuleExport* e = m->Table->ExportsBegin; e && e < m->Table->ExportsEnd; ++e)
      if (std::strcmp(e->Name, procName) == 0) return e->Address;
  return dlsym(m->Library, procName);
}

HMODULE GetModuleHandle(const char* moduleName) {
  HMODULE program = nullptr;
  ProgramRecord(&program);
  if (!moduleName) return program;
  HMODULE found = nullptr;
  Modules().ForEach([&](HMODULE h, TModuleRecord& r) {
    std::string base = r.Path.substr(r.Path.find_last_of('/') + 1);
    if (!found && !r.Program && SameText(base.c_str(), moduleName)) found = h;
  });
  return found;
}

HINSTANCE HInstance() { return GetModuleHandle(nullptr); }

std::string GetModuleFileNameString(HMODULE module) {
  TModuleRecord* m = RecordOf(module);
  return m ? m->Path : std::string();
}

DWORD GetModuleFileName(HMODULE module, char* fileName, DWORD size) {
  if (!RecordOf(module) || !fileName || size == 0) return 0;
  std::string path = GetModuleFileNameString(module);
  size_t n = std::min(path.size(), static_cast<size_t>(size) - 1);
  std::memcpy(fileName, path.data(), n);
  fileName[n] = '\0';
  return static_cast<DWORD>(n);
}

HRSRC FindResource(HMODULE module, const char* name, const char* type) {
  TModuleRecord* m = RecordOf(module);
  if (!m || !m->Table || !name || !IS_INTRESOURCE(type)) return nullptr;
  auto typeId = reinterpret_cast<uintptr_t>(type);
  for (size_t i = 0; i < m->Table->ResourceCount; ++i) {
    const TModuleResource& r = m->Table->Resources[i];
    if (r.Type == typeId && NameMatches(r, name))
      return reinterpret_cast<HRSRC>(const_cast<TModuleResource*>(&r));
  }
  return nullptr;
}

HGLOBAL LoadResource(HMODULE module, HRSRC resource) {
  return ResourceOf(module, resource) ? reinterpret_cast<HGLOBAL>(resource) : nullptr;
}

const void* LockResource(HGLOBAL resourceData) {
  auto* r = reinterpret_cast<const TModuleResource*>(resourceData);
  return r ? r->Data : nullptr;
}

DWORD SizeofResource(HMODULE module, HRSRC resource) {
  const TModuleResource* r = ResourceOf(module, resource);
  return r ? static_cast<DWORD>(r->Size) : 0;
}

bool FreeResource(HGLOBAL) { return false; }

void RegisterStringResource(int32_t ident, const std::string& text) { StringResources()[ident] = text; }

std::string LoadStr(int32_t ident) {
  auto it = StringResources().find(ident);
  return it == StringResources().end() ? std::string() : it->second;
}

int LoadString(HINSTANCE, UINT ident, char* buffer, int bufferMax) {
  if (!buffer || bufferMax <= 0) return 0;
  std::string text = LoadStr(static_cast<int32_t>(ident));
  int n = std::min(static_cast<int>(text.size()), bufferMax - 1);
  std::memcpy(buffer, text.data(), static_cast<size_t>(n));
  buffer[n] = '\0';
  return n;
}
