#pragma once
// TRegistry: keys holding named string and integer values, kept in a plain
// text store on disk (see docs/registry.md; TRegistryStore). Key paths use
// backslashes and ignore ASCII case; a path with a leading backslash starts at
// the root key, any other starts at the open key (or the root when none is
// open). Missing keys and a missing store read as absent, never as errors.
// Every change is saved at once, safely; every read sees the store as it is on
// disk now, so several TRegistry objects (and processes) agree.

#include <cstdint>
#include <string>

#include "platform/config/RegistryStore.h"
#include "platform/rtti/Object.h"

class TStrings;

using HKEY = uint32_t;
constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000u;
constexpr HKEY HKEY_CURRENT_USER = 0x80000001u;
constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;
constexpr HKEY HKEY_USERS = 0x80000003u;
constexpr HKEY HKEY_CURRENT_CONFIG = 0x80000005u;

class TRegistry : public TObject {
 public:
  // Uses TRegistryStore::DefaultFileName(), looked up now.
  TRegistry();
  explicit TRegistry(std::string storeFileName);

  HKEY RootKey() const { return FRootKey; }
  // Closes the open key.
  void SetRootKey(HKEY rootKey);
  // The open key's path below the root ("Software\\X"), "" for the root.
  const std::string& CurrentPath() const { return FCurrentPath; }
  bool KeyOpen() const { return FKeyOpen; }

  // Opens the key, creating it when canCreate; false when it does not exist
  // (and is not created), the open key then stays open.
  bool OpenKey(const std::string& key, bool canCreate);
  bool OpenKeyReadOnly(const std::string& key);
  void CloseKey();
  bool CreateKey(const std::string& key);
  bool KeyExists(const std::string& key);
  // Removes the key with everything below it.
  bool DeleteKey(const std::string& key);
  bool HasSubKeys();
  void GetKeyNames(TStrings* strings);

  bool ValueExists(const std::string& name);
  TRegDataType GetDataType(const std::string& name);
  void GetValueNames(TStrings* strings);
  bool DeleteValue(const std::string& name);
  // "" when the value is missing; ERegistryException "Invalid data type for
  // 'name'" when it is an integer.
  std::string ReadString(const std::string& name);
  // ERegistryException "Invalid data type for 'name'" when missing or text.
  int32_t ReadInteger(const std::string& name);
  bool ReadBool(const std::string& name) { return ReadInteger(name) != 0; }
  // ERegistryException "Failed to set data for 'name'" without a writable
  // open key.
  void WriteString(const std::string& name, const std::string& value);
  void WriteInteger(const std::string& name, int32_t value);
  void WriteBool(const std::string& name, bool value) { WriteInteger(name, value ? 1 : 0); }

 private:
  // The full stored path of key, "" when it is not a valid path.
  std::string Resolve(const std::string& key) const;
  std::string OpenPath() const;
  // The open key as stored now (after reloading the store), or null.
  TRegKey* OpenKeyRecord();
  TRegValue& WritableValue(const std::string& name);

  TRegistryStore FStore;
  HKEY FRootKey = HKEY_CURRENT_USER;
  std::string FCurrentPath;
  bool FKeyOpen = false;
  bool FReadOnly = false;
};
