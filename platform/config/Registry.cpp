#include "platform/config/Registry.h"

#include "platform/classes/Strings.h"
#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"

namespace {

[[noreturn]] void InvalidType(const std::string& name) {
  throw ERegistryException("Invalid data type for '" + name + "'");
}

}  // namespace

TRegistry::TRegistry() : TRegistry(TRegistryStore::DefaultFileName()) {}

TRegistry::TRegistry(std::string storeFileName) : FStore(std::move(storeFileName)) {}

void TRegistry::SetRootKey(HKEY rootKey) {
  CloseKey();
  FRootKey = rootKey;
}

std::string TRegistry::OpenPath() const {
  std::string root = RegistryRootName(FRootKey);
  return FCurrentPath.empty() ? root : root + "\\" + FCurrentPath;
}

std::string TRegistry::Resolve(const std::string& key) const {
  bool relative = FKeyOpen && (key.empty() || key[0] != '\\');
  return NormalizeRegistryPath((relative ? OpenPath() : RegistryRootName(FRootKey)) + "\\" + key);
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
  std::string path = Resolve(key);
  if (path.empty()) return false;
  FStore.Load();
  if (!FStore.KeyExists(path)) {
    if (!canCreate) return false;
    FStore.CreateKey(path);
    FStore.Save();
  }
  size_t rootEnd = path.find('\\');
  FCurrentPath = rootEnd == std::string::npos ? "" : path.substr(rootEnd + 1);
  FKeyOpen = true;
  FReadOnly = false;
  return true;
}

bool TRegistry::OpenKeyReadOnly(const std::string& key) {
  if (!OpenKey(key, false)) return false;
  FReadOnly = true;
  return true;
}

void TRegistry::CloseKey() {
  FKeyOpen = false;
  FReadOnly = false;
  FCurrentPath.clear();
}

bool TRegistry::CreateKey(const std::string& key) {
  std::string path = Resolve(key);
  if (path.empty()) return false;
  FStore.Load();
  if (!FStore.KeyExists(path)) {
    FStore.CreateKey(path);
    FStore.Save();
  }
  return true;
}

bool TRegistry::KeyExists(const std::string& key) {
  std::string path = Resolve(key);
  if (path.empty()) return false;
  FStore.Load();
  return FStore.KeyExists(path);
}

bool TRegistry::DeleteKey(const std::string& key) {
  std::string path = Resolve(key);
  // The root keys themselves are not deletable.
  if (path.find('\\') == std::string::npos) return false;
  FStore.Load();
  if (!FStore.DeleteKey(path)) return false;
  FStore.Save();
  return true;
}

bool TRegistry::HasSubKeys() {
  if (!FKeyOpen) return false;
  FStore.Load();
  return !FStore.SubKeyNames(OpenPath()).empty();
}

void TRegistry::GetKeyNames(TStrings* strings) {
  strings->BeginUpdate();
  strings->Clear();
  if (FKeyOpen) {
    FStore.Load();
    for (const std::string& name : FStore.SubKeyNames(OpenPath())) strings->Add(name);
  }
  strings->EndUpdate();
}

TRegKey* TRegistry::OpenKeyRecord() {
  if (!FKeyOpen) return nullptr;
  FStore.Load();
  return FStore.FindKey(OpenPath());
}

bool TRegistry::ValueExists(const std::string& name) {
  TRegKey* key = OpenKeyRecord();
  return key && key->FindValue(name);
}

TRegDataType TRegistry::GetDataType(const std::string& name) {
  TRegKey* key = OpenKeyRecord();
  TRegValue* value = key ? key->FindValue(name) : nullptr;
  return value ? value->DataType : rdUnknown;
}

void TRegistry::GetValueNames(TStrings* strings) {
  strings->BeginUpdate();
  strings->Clear();
  if (TRegKey* key = OpenKeyRecord())
    for (const TRegValue& value : key->Values) strings->Add(value.Name);
  strings->EndUpdate();
}

bool TRegistry::DeleteValue(const std::string& name) {
  TRegKey* key = OpenKeyRecord();
  if (!key || FReadOnly) return false;
  auto before = key->Values.size();
  std::erase_if(key->Values, [&](const TRegValue& v) { return SameText(v.Name, name); });
  if (key->Values.size() == before) return false;
  FStore.Save();
  return true;
}

std::string TRegistry::ReadString(const std::string& name) {
  TRegKey* key = OpenKeyRecord();
  TRegValue* value = key ? key->FindValue(name) : nullptr;
  if (!value) return {};
  if (value->DataType != rdString && value->DataType != rdExpandString) InvalidType(name);
  return value->Text;
}

int32_t TRegistry::ReadInteger(const std::string& name) {
  TRegKey* key = OpenKeyRecord();
  TRegValue* value = key ? key->FindValue(name) : nullptr;
  if (!value || value->DataType != rdInteger) InvalidType(name);
  return value->Integer;
}

TRegValue& TRegistry::WritableValue(const std::string& name) {
  TRegKey* key = FReadOnly ? nullptr : OpenKeyRecord();
  if (!key && FKeyOpen && !FReadOnly) key = &FStore.CreateKey(OpenPath());  // the root or a key deleted meanwhile
  if (!key) throw ERegistryException("Failed to set data for '" + name + "'");
  if (TRegValue* value = key->FindValue(name)) return *value;
  key->Values.push_back(TRegValue{name, rdString, "", 0});
  return key->Values.back();
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
  TRegValue& v = WritableValue(name);
  v.DataType = rdString;
  v.Text = value;
  v.Integer = 0;
  FStore.Save();
}

void TRegistry::WriteInteger(const std::string& name, int32_t value) {
  TRegValue& v = WritableValue(name);
  v.DataType = rdInteger;
  v.Text.clear();
  v.Integer = value;
  FStore.Save();
}
