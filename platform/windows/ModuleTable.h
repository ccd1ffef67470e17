#pragma once
// What a module (the program or a shared library) tells the platform about
// itself: its resources, generated at build time by morvane_add_resources
// (cmake/Resources.cmake), and its exports by arbitrary name. Each module
// answers them through one C symbol, MorvaneModuleTable.
//
// Export names such as "Unit.Register@51F89FF7" are not linker symbols; a
// module lists them with MORVANE_EXPORT in any of its own source files:
//   MORVANE_EXPORT("Unit.Register@51F89FF7", UnitRegister);
// The entries land in a section of the module, so every module has its own
// list without any code running at start-up.

#include <cstddef>
#include <cstdint>

struct TModuleResource {
  uintptr_t Type;  // 2: bitmap, 10: binary data
  const char* Name;
  const unsigned char* Data;
  size_t Size;
};

struct alignas(16) TModuleExport {
  const char* Name;
  void* Address;
};

struct TModuleTable {
  const TModuleResource* Resources;
  size_t ResourceCount;
  const TModuleExport* ExportsBegin;
  const TModuleExport* ExportsEnd;
};

extern "C" const TModuleTable* MorvaneModuleTable();

#define MORVANE_EXPORT_JOIN2(a, b) a##b
#define MORVANE_EXPORT_JOIN(a, b) MORVANE_EXPORT_JOIN2(a, b)
#define MORVANE_EXPORT(Name, Function)                                                  \
  [[gnu::used, gnu::section("morvane_exports")]] static const TModuleExport             \
      MORVANE_EXPORT_JOIN(MorvaneExport_, __COUNTER__) = {Name, reinterpret_cast<void*>(&Function)}
