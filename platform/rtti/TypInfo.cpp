#include "platform/rtti/TypInfo.h"

#include <strings.h>

#include <algorithm>

#include "platform/core/Exceptions.h"

namespace {
PPropInfo RequireProp(const TObject* instance, const std::string& name) {
  PPropInfo info = GetPropInfo(instance, name);
  if (!info) throw EPropertyError("Property " + name + " does not exist");
  return info;
}

[[noreturn]] void WrongKind(PPropInfo info, const char* wanted) {
  throw EInvalidCast("Invalid property type: " + info->Name + " is a " + info->PropType->Name +
                     ", not " + wanted);
}

void RequireWritable(PPropInfo info, bool hasSetter) {
  if (!hasSetter) throw EPropertyError("Property " + info->Name + " is read-only");
}

std::vector<std::string> SplitSetText(const std::string& text) {
  std::string body = text;
  auto isSpace = [](char c) { return c == ' ' || c == '\t'; };
  body.erase(std::remove_if(body.begin(), body.end(), isSpace), body.end());
  if (!body.empty() && body.front() == '[') {
    if (body.back() != ']') throw EPropertyError("Invalid set value: " + text);
    body = body.substr(1, body.size() - 2);
  }
  std::vector<std::string> names;
  size_t start = 0;
  while (start <= body.size() && !body.empty()) {
    size_t comma = body.find(',', start);
    if (comma == std::string::npos) comma = body.size();
    names.push_back(body.substr(start, comma - start));
    start = comma + 1;
  }
  return names;
}
}  // namespace

PPropInfo GetPropInfo(TClass cls, const std::string& name) {
  return cls->Published().FindProperty(name);
}

PPropInfo GetPropInfo(PTypeInfo typeInfo, const std::string& name) {
  if (typeInfo->Kind != tkClass) return nullptr;
  return GetPropInfo(typeInfo->Data.ClassType, name);
}

PPropInfo GetPropInfo(const TObject* instance, const std::string& name) {
  return GetPropInfo(instance->ClassType(), name);
}

std::vector<PPropInfo> GetPropInfos(PTypeInfo typeInfo) {
  if (typeInfo->Kind != tkClass) return {};
  return typeInfo->Data.ClassType->Published().Properties();
}

std::vector<PPropInfo> GetPropList(PTypeInfo typeInfo, TTypeKinds kinds, bool sorted) {
  std::vector<PPropInfo> list;
  for (PPropInfo p : GetPropInfos(typeInfo))
    if (kinds.Contains(p->PropType->Kind)) list.push_back(p);
  if (sorted) {
    std::stable_sort(list.begin(), list.end(), [](PPropInfo a, PPropInfo b) {
      return strcasecmp(a->Name.c_str(), b->Name.c_str()) < 0;
    });
  }
  return list;
}

std::vector<PPropInfo> GetPropList(TClass cls, TTypeKinds kinds, bool sorted) {
  return GetPropList(cls->ClassInfo(), kinds, sorted);
}

std::vector<PPropInfo> GetPropList(const TObject* instance, TTypeKinds kinds, bool sorted) {
  return GetPropList(instance->ClassType(), kinds, sorted);
}

bool IsPublishedProp(const TObject* instance, const std::string& name) {
  return GetPropInfo(instance, name) != nullptr;
}
bool IsPublishedProp(TClass cls, const std::string& name) { return GetPropInfo(cls, name) != nullptr; }

bool PropIsType(TClass cls, const std::string& name, TTypeKind kind) {
  PPropInfo info = GetPropInfo(cls, name);
  if (!info) throw EPropertyError("Property " + name + " does not exist");
  return info->PropType->Kind == kind;
}
bool PropIsType(const TObject* instance, const std::string& name, TTypeKind kind) {
  return PropIsType(instance->ClassType(), name, kind);
}

TTypeKind PropType(const TObject* instance, const std::string& name) {
  return RequireProp(instance, name)->PropType->Kind;
}

bool IsStoredProp(TObject* instance, PPropInfo info) {
  return info->StoredProc ? info->StoredProc(instance) : info->StoredConst;
}
bool IsStoredProp(TObject* instance, const std::string& name) {
  return IsStoredProp(instance, RequireProp(instance, name));
}

int64_t GetOrdProp(TObject* instance, PPropInfo info) {
  if (info->GetOrd && info->PropType->Kind != tkInt64) return info->GetOrd(instance);
  if (info->GetObject) return static_cast<int64_t>(reinterpret_cast<intptr_t>(info->GetObject(instance)));
  WrongKind(info, "an ordinal");
}
int64_t GetOrdProp(TObject* instance, const std::string& name) {
  return GetOrdProp(instance, RequireProp(instance, name));
}

void SetOrdProp(TObject* instance, PPropInfo info, int64_t value) {
  if (info->GetOrd && info->PropType->Kind != tkInt64) {
    RequireWritable(info, static_cast<bool>(info->SetOrd));
    info->SetOrd(instance, value);
  } else if (info->GetObject) {
    SetObjectProp(instance, info, reinterpret_cast<TObject*>(static_cast<intptr_t>(value)));
  } else {
    WrongKind(info, "an ordinal");
  }
}
void SetOrdProp(TObject* instance, const std::string& name, int64_t value) {
  SetOrdProp(instance, RequireProp(instance, name), value);
}

std::string GetStrProp(TObject* instance, PPropInfo info) {
  if (!info->GetStr) WrongKind(info, "a string");
  return info->GetStr(instance);
}
std::string GetStrProp(TObject* instance, const std::string& name) {
  return GetStrProp(instance, RequireProp(instance, name));
}
void SetStrProp(TObject* instance, PPropInfo info, const std::string& value) {
  if (!info->GetStr) WrongKind(info, "a string");
  RequireWritable(info, static_cast<bool>(info->SetStr));
  info->SetStr(instance, value);
}
void SetStrProp(TObject* instance, const std::string& name, const std::string& value) {
  SetStrProp(instance, RequireProp(instance, name), value);
}

long double GetFloatProp(TObject* instance, PPropInfo info) {
  if (!info->GetFloat) WrongKind(info, "a float");
  return info->GetFloat(instance);
}
long double GetFloatProp(TObject* instance, const std::string& name) {
  return GetFloatProp(instance, RequireProp(instance, name));
}
void SetFloatProp(TObject* instance, PPropInfo info, long double value) {
  if (!info->GetFloat) WrongKind(info, "a float");
  RequireWritable(info, static_cast<bool>(info->SetFloat));
  info->SetFloat(instance, value);
}
void SetFloatProp(TObject* instance, const std::string& name, long double value) {
  SetFloatProp(instance, RequireProp(instance, name), value);
}

int64_t GetInt64Prop(TObject* instance, PPropInfo info) {
  if (!info->GetOrd) WrongKind(info, "an Int64");
  return info->GetOrd(instance);
}
int64_t GetInt64Prop(TObject* instance, const std::string& name) {
  return GetInt64Prop(instance, RequireProp(instance, name));
}
void SetInt64Prop(TObject* instance, PPropInfo info, int64_t value) {
  if (!info->GetOrd) WrongKind(info, "an Int64");
  RequireWritable(info, static_cast<bool>(info->SetOrd));
  info->SetOrd(instance, value);
}
void SetInt64Prop(TObject* instance, const std::string& name, int64_t value) {
  SetInt64Prop(instance, RequireProp(instance, name), value);
}

TMethod GetMethodProp(TObject* instance, PPropInfo info) {
  if (!info->GetMethod) WrongKind(info, "a method");
  return info->GetMethod(instance);
}
TMethod GetMethodProp(TObject* instance, const std::string& name) {
  return GetMethodProp(instance, RequireProp(instance, name));
}
void SetMethodProp(TObject* instance, PPropInfo info, const TMethod& value) {
  if (!info->GetMethod) WrongKind(info, "a method");
  RequireWritable(info, static_cast<bool>(info->SetMethod));
  info->SetMethod(instance, value);
}
void SetMethodProp(TObject* instance, const std::string& name, const TMethod& value) {
  SetMethodProp(instance, RequireProp(instance, name), value);
}

TObject* GetObjectProp(TObject* instance, PPropInfo info, TClass minClass) {
  if (!info->GetObject) WrongKind(info, "a class");
  TObject* value = info->GetObject(instance);
  if (value && minClass && !value->InheritsFrom(minClass)) return nullptr;
  return value;
}
TObject* GetObjectProp(TObject* instance, const std::string& name, TClass minClass) {
  return GetObjectProp(instance, RequireProp(instance, name), minClass);
}
void SetObjectProp(TObject* instance, PPropInfo info, TObject* value) {
  if (!info->GetObject) WrongKind(info, "a class");
  RequireWritable(info, static_cast<bool>(info->SetObject));
  if (value && !value->InheritsFrom(GetObjectPropClass(info)))
    ThrowInvalidCast(value->ClassName(), GetObjectPropClass(info)->ClassName());
  info->SetObject(instance, value);
}
void SetObjectProp(TObject* instance, const std::string& name, TObject* value) {
  SetObjectProp(instance, RequireProp(instance, name), value);
}
TClass GetObjectPropClass(PPropInfo info) {
  if (info->PropType->Kind != tkClass) WrongKind(info, "a class");
  return info->PropType->Data.ClassType;
}

std::string GetEnumProp(TObject* instance, PPropInfo info) {
  if (info->PropType->Kind != tkEnumeration) WrongKind(info, "an enumeration");
  return GetEnumName(info->PropType, GetOrdProp(instance, info));
}
std::string GetEnumProp(TObject* instance, const std::string& name) {
  return GetEnumProp(instance, RequireProp(instance, name));
}
void SetEnumProp(TObject* instance, PPropInfo info, const std::string& value) {
  if (info->PropType->Kind != tkEnumeration) WrongKind(info, "an enumeration");
  int64_t ordinal = GetEnumValue(info->PropType, value);
  if (ordinal < 0) throw EPropertyError("Invalid property element: " + value);
  SetOrdProp(instance, info, ordinal);
}
void SetEnumProp(TObject* instance, const std::string& name, const std::string& value) {
  SetEnumProp(instance, RequireProp(instance, name), value);
}

std::vector<std::string> SetToNames(PTypeInfo setType, int64_t value) {
  std::vector<std::string> names;
  PTypeInfo element = setType->Data.CompType;
  for (int bit = 0; bit < 32; ++bit)
    if (value & (int64_t{1} << bit)) names.push_back(GetEnumName(element, bit));
  return names;
}

int64_t NamesToSet(PTypeInfo setType, const std::vector<std::string>& names) {
  int64_t value = 0;
  for (const std::string& name : names) {
    int64_t bit = GetEnumValue(setType->Data.CompType, name);
    if (bit < 0 || bit >= 32) throw EPropertyError("Invalid property element: " + name);
    value |= int64_t{1} << bit;
  }
  return value;
}

std::string GetSetProp(TObject* instance, PPropInfo info, bool brackets) {
  if (info->PropType->Kind != tkSet) WrongKind(info, "a set");
  std::string text;
  for (const std::string& name : SetToNames(info->PropType, GetOrdProp(instance, info))) {
    if (!text.empty()) text += ',';
    text += name;
  }
  return brackets ? "[" + text + "]" : text;
}
std::string GetSetProp(TObject* instance, const std::string& name, bool brackets) {
  return GetSetProp(instance, RequireProp(instance, name), brackets);
}
void SetSetProp(TObject* instance, PPropInfo info, const std::string& value) {
  if (info->PropType->Kind != tkSet) WrongKind(info, "a set");
  SetOrdProp(instance, info, NamesToSet(info->PropType, SplitSetText(value)));
}
void SetSetProp(TObject* instance, const std::string& name, const std::string& value) {
  SetSetProp(instance, RequireProp(instance, name), value);
}
