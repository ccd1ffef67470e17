#pragma once
// Reading and writing published properties by name or by property record.
// Everything that edits or streams objects goes through these functions.
// Unknown names raise EPropertyError; a property of another kind than the
// function handles raises EInvalidCast.

#include <string>
#include <vector>

#include "platform/rtti/Object.h"

// nullptr when the class has no published property of that name
// (case-insensitive).
PPropInfo GetPropInfo(TClass cls, const std::string& name);
PPropInfo GetPropInfo(PTypeInfo typeInfo, const std::string& name);
PPropInfo GetPropInfo(const TObject* instance, const std::string& name);

// Every published property and event, in declaration order, inherited first.
std::vector<PPropInfo> GetPropInfos(PTypeInfo typeInfo);
// The properties whose kind is in kinds; in declaration order, or by name
// (case-insensitive) when sorted.
std::vector<PPropInfo> GetPropList(PTypeInfo typeInfo, TTypeKinds kinds = tkAny(),
                                   bool sorted = false);
std::vector<PPropInfo> GetPropList(TClass cls, TTypeKinds kinds = tkAny(), bool sorted = false);
std::vector<PPropInfo> GetPropList(const TObject* instance, TTypeKinds kinds = tkAny(),
                                   bool sorted = false);

bool IsPublishedProp(const TObject* instance, const std::string& name);
bool IsPublishedProp(TClass cls, const std::string& name);
bool PropIsType(const TObject* instance, const std::string& name, TTypeKind kind);
bool PropIsType(TClass cls, const std::string& name, TTypeKind kind);
TTypeKind PropType(const TObject* instance, const std::string& name);
// Whether the filer writes the property: its stored constant or predicate.
bool IsStoredProp(TObject* instance, PPropInfo propInfo);
bool IsStoredProp(TObject* instance, const std::string& name);

// Ordinals: integers, chars, enumerations, sets (bit n = element n) and, as
// the platform allows, objects as their addresses.
int64_t GetOrdProp(TObject* instance, PPropInfo propInfo);
int64_t GetOrdProp(TObject* instance, const std::string& name);
void SetOrdProp(TObject* instance, PPropInfo propInfo, int64_t value);
void SetOrdProp(TObject* instance, const std::string& name, int64_t value);

std::string GetStrProp(TObject* instance, PPropInfo propInfo);
std::string GetStrProp(TObject* instance, const std::string& name);
void SetStrProp(TObject* instance, PPropInfo propInfo, const std::string& value);
void SetStrProp(TObject* instance, const std::string& name, const std::string& value);

long double GetFloatProp(TObject* instance, PPropInfo propInfo);
long double GetFloatProp(TObject* instance, const std::string& name);
void SetFloatProp(TObject* instance, PPropInfo propInfo, long double value);
void SetFloatProp(TObject* instance, const std::string& name, long double value);

int64_t GetInt64Prop(TObject* instance, PPropInfo propInfo);
int64_t GetInt64Prop(TObject* instance, const std::string& name);
void SetInt64Prop(TObject* instance, PPropInfo propInfo, int64_t value);
void SetInt64Prop(TObject* instance, const std::string& name, int64_t value);

TMethod GetMethodProp(TObject* instance, PPropInfo propInfo);
TMethod GetMethodProp(TObject* instance, const std::string& name);
void SetMethodProp(TObject* instance, PPropInfo propInfo, const TMethod& value);
void SetMethodProp(TObject* instance, const std::string& name, const TMethod& value);

// minClass: the answer must be of this class or nullptr (nullptr: any class).
TObject* GetObjectProp(TObject* instance, PPropInfo propInfo, TClass minClass = nullptr);
TObject* GetObjectProp(TObject* instance, const std::string& name, TClass minClass = nullptr);
void SetObjectProp(TObject* instance, PPropInfo propInfo, TObject* value);
void SetObjectProp(TObject* instance, const std::string& name, TObject* value);
TClass GetObjectPropClass(PPropInfo propInfo);

// Enumerations by element name; an unknown name raises EPropertyError.
std::string GetEnumProp(TObject* instance, PPropInfo propInfo);
std::string GetEnumProp(TObject* instance, const std::string& name);
void SetEnumProp(TObject* instance, PPropInfo propInfo, const std::string& value);
void SetEnumProp(TObject* instance, const std::string& name, const std::string& value);

// Sets as "fsBold,fsItalic" ("[fsBold,fsItalic]" with brackets); setting
// accepts both forms.
std::string GetSetProp(TObject* instance, PPropInfo propInfo, bool brackets = false);
std::string GetSetProp(TObject* instance, const std::string& name, bool brackets = false);
void SetSetProp(TObject* instance, PPropInfo propInfo, const std::string& value);
void SetSetProp(TObject* instance, const std::string& name, const std::string& value);

// A set's ordinal from its element names and back, for the filer too.
std::vector<std::string> SetToNames(PTypeInfo setType, int64_t value);
int64_t NamesToSet(PTypeInfo setType, const std::vector<std::string>& names);
