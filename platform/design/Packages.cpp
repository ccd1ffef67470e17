#include "platform/design/Packages.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"
#include "platform/windows/Modules.h"

namespace {

struct TLoadedPackage {
  HMODULE Module;
  int32_t Uses;
  std::vector<std::string> Units;
  std::vector<HMODULE> Requires;
};

std::vector<TLoadedPackage>& LoadedPackages() {
  static std::vector<TLoadedPackage> list;
  return list;
}

TLoadedPackage* FindLoaded(HMODULE module) {
  for (TLoadedPackage& p : LoadedPackages())
    if (p.Module == module) return &p;
  return nullptr;
}

// The file fileName in folder: the exact name, else the first entry whose
// name matches it without regard to letter case; empty when there is none.
std::string FindInFolder(const std::string& folder, const std::string& fileName) {
  const std::string dir = folder.empty() ? std::string("./") : IncludeTrailingPathDelimiter(folder);
  if (FileExists(dir + fileName)) return dir + fileName;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    if (SameText(entry, fileName) && it->is_regular_file(ec)) return dir + entry;
  }
  return {};
}

std::string ProgramFolder() { return ExtractFilePath(GetModuleFileNameString(HInstance())); }

// Where Name is: as given, then beside the program (besides an optional
// folder first); else the bare name for the system's search.
std::string LocatePackage(const std::string& name, const std::string& firstFolder) {
  const std::string fileName = ExtractFileName(name);
  std::vector<std::string> folders;
  if (!firstFolder.empty()) folders.push_back(firstFolder);
  folders.push_back(ExtractFilePath(name));
  if (name.find(PathDelim) == std::string::npos) folders.push_back(ProgramFolder());
  for (const std::string& folder : folders)
    if (std::string found = FindInFolder(folder, fileName); !found.empty()) return ExpandFileName(found);
  return fileName;
}

[[noreturn]] void ThrowCannotLoad(const std::string& name, const std::string& reason) {
  throw EPackageError(Format("Cannot load package '%s': %s", {name, reason}));
}

void CallUnitProc(HMODULE module, const std::string& unit, const char* suffix) {
  using TUnitProc = void (*)();
  if (void* proc = GetProcAddress(module, (unit + suffix).c_str()))
    reinterpret_cast<TUnitProc>(proc)();
}

HMODULE LoadPackageFrom(const std::string& name, const std::string& firstFolder);

void Release(HMODULE module) {
  TLoadedPackage* package = FindLoaded(module);
  if (--package->Uses > 0) return;
  TLoadedPackage record = std::move(*package);
  std::erase_if(LoadedPackages(), [module](const TLoadedPackage& p) { return p.Module == module; });
  for (auto unit = record.Units.rbegin(); unit != record.Units.rend(); ++unit)
    CallUnitProc(module, *unit, ".Finalize");
  FreeLibrary(module);
  for (auto required = record.Requires.rbegin(); required != record.Requires.rend(); ++required)
    Release(*required);
}

HMODULE LoadPackageFrom(const std::string& name, const std::string& firstFolder) {
  const std::string path = LocatePackage(name, firstFolder);
  HMODULE module = LoadLibrary(path.c_str());
  if (!module && path == ExtractFileName(name)) module = LoadLibrary(LowerCase(path).c_str());
  if (!module) ThrowCannotLoad(name, LastModuleError());
  if (TLoadedPackage* loaded = FindLoaded(module)) {
    // The loader counted this load too; the package keeps one count of its own.
    FreeLibrary(module);
    ++loaded->Uses;
    return module;
  }
  LoadedPackages().push_back({module, 1, {}, {}});
  try {
    TPackageInfo info;
    if (GetPackageInfo(module, info) && info.IsPackage()) {
      const std::string folder = ExtractFilePath(GetModuleFileNameString(module));
      for (const TPackageRequire& required : info.Requires) {
        HMODULE requiredModule = LoadPackageFrom(required.Name + ".dpl", folder);
        FindLoaded(module)->Requires.push_back(requiredModule);
      }
      for (const TPackageUnit& unit : info.Contains) {
        CallUnitProc(module, unit.Name, ".Initialize");
        // Only initialized units are finalized, also when a later one fails.
        FindLoaded(module)->Units.push_back(unit.Name);
      }
    }
  } catch (const EPackageError& e) {
    Release(module);
    ThrowCannotLoad(name, e.Message());
  } catch (...) {
    Release(module);
    throw;
  }
  return module;
}

}  // namespace

HMODULE LoadPackage(const std::string& Name) { return LoadPackageFrom(Name, {}); }

void UnloadPackage(HMODULE Module) {
  if (!FindLoaded(Module)) throw EPackageError("The module is not a loaded package");
  Release(Module);
}

bool GetPackageInfo(HMODULE Module, TPackageInfo& Info) {
  HRSRC resource = FindResource(Module, "PACKAGEINFO", RT_RCDATA);
  if (!resource) return false;
  HGLOBAL data = LoadResource(Module, resource);
  const void* bytes = LockResource(data);
  const DWORD size = SizeofResource(Module, resource);
  FreeResource(data);
  Info = ReadPackageInfo(bytes, size);
  return true;
}

std::string UnitRegisterExportName(const std::string& UnitName) {
  return UnitName + ".Register@51F89FF7";
}
