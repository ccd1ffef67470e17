#pragma once
// The PACKAGEINFO resource of a package module: what kind of module it is,
// the packages it requires and the units it contains. Packed little-endian:
//
//   int32  flags       bits 31 and 30: the module kind (01: a package)
//   int32  R           requires count
//   R x    { uint8 hash; name; NUL }
//   int32  C           contains count
//   C x    { uint8 unit flags; uint8 hash; unit name; NUL }
//
// A count of zero or less means no entries. Loaders use the module kind and
// the names; hashes and unit flags are written for other tools.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

constexpr uint32_t pfModuleTypeMask = 0xC0000000u;
constexpr uint32_t pfExeModule = 0x00000000u;
constexpr uint32_t pfPackageModule = 0x40000000u;
constexpr uint32_t pfLibraryModule = 0x80000000u;
constexpr uint32_t pfRunOnly = 0x00000001u;
constexpr uint32_t pfDesignOnly = 0x00000002u;

struct TPackageRequire {
  uint8_t HashCode = 0;
  std::string Name;
};

struct TPackageUnit {
  uint8_t Flags = 0;
  uint8_t HashCode = 0;
  std::string Name;
};

struct TPackageInfo {
  uint32_t Flags = pfPackageModule;
  std::vector<TPackageRequire> Requires;
  std::vector<TPackageUnit> Contains;

  // The flags read as a signed number are above 0x3FFFFFFF: a package.
  bool IsPackage() const { return static_cast<int32_t>(Flags) > 0x3FFFFFFF; }
};

// Raises EPackageError naming what is wrong when the data ends early or a
// name is not terminated. Entries are read one by one, so a huge count in a
// short resource costs nothing.
TPackageInfo ReadPackageInfo(const void* data, size_t size);
std::string WritePackageInfo(const TPackageInfo& info);

// The hash byte written for a name: letter case does not matter.
uint8_t PackageNameHash(std::string_view name);
