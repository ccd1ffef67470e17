#pragma once
// Type information records: what the platform knows about a type at run time.
// Property editors, the inspector and the filer look only at these records,
// so every type a published property uses has one.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/TSet.h"

struct TClassInfo;
using TClass = const TClassInfo*;

enum TTypeKind {
  tkUnknown, tkInteger, tkChar, tkEnumeration, tkFloat, tkString, tkSet, tkClass, tkMethod,
  tkWChar, tkLString, tkWString, tkVariant, tkArray, tkRecord, tkInterface, tkInt64, tkDynArray
};
using TTypeKinds = TSet<TTypeKind>;

// The kinds a property filter usually means by "every property".
inline TTypeKinds tkAny() {
  TTypeKinds all;
  for (int k = tkUnknown; k <= tkDynArray; ++k) all.Include(static_cast<TTypeKind>(k));
  return all;
}
inline TTypeKinds tkProperties() { return tkAny() - tkMethod; }
inline TTypeKinds tkMethods() { return TTypeKinds{tkMethod}; }

enum TOrdType { otSByte, otUByte, otSWord, otUWord, otSLong, otULong };
enum TFloatType { ftSingle, ftDouble, ftExtended, ftComp, ftCurr };
enum TMethodKind { mkProcedure, mkFunction, mkConstructor, mkDestructor, mkClassProcedure,
                   mkClassFunction };
enum TParamFlag { pfVar, pfConst, pfArray, pfAddress, pfReference, pfOut };
using TParamFlags = TSet<TParamFlag>;

struct TTypeInfo;
using PTypeInfo = const TTypeInfo*;

// One parameter of an event type, enough to write a handler's declaration.
struct TParamInfo {
  TParamFlags Flags;
  std::string ParamName;
  std::string TypeName;
};

// The kind-specific part of a type's record; only the fields of its kind mean
// anything.
struct TTypeData {
  // Ordinals (integers, chars, enumerations, sets' elements).
  TOrdType OrdType = otSLong;
  int64_t MinValue = 0;
  int64_t MaxValue = 0;
  PTypeInfo BaseType = nullptr;        // enumerations: the type whose names these are
  std::vector<std::string> NameList;   // enumerations: the element names, by ordinal
  PTypeInfo CompType = nullptr;        // sets: the element type
  TFloatType FloatType = ftExtended;   // floats
  TClass ClassType = nullptr;          // classes
  TMethodKind MethodKind = mkProcedure;  // events
  std::vector<TParamInfo> ParamList;
  std::string ResultType;
};
using PTypeData = const TTypeData*;

struct TTypeInfo {
  TTypeKind Kind = tkUnknown;
  std::string Name;
  TTypeData Data;
};

inline PTypeData GetTypeData(PTypeInfo typeInfo) { return &typeInfo->Data; }

// The name of an enumeration's element; an empty string outside its range.
std::string GetEnumName(PTypeInfo typeInfo, int64_t value);
// The ordinal of an element name, compared case-insensitively; -1 when unknown.
int64_t GetEnumValue(PTypeInfo typeInfo, std::string_view name);

// Builders for the records; the declaration macros below use them.
TTypeInfo MakeOrdinalTypeInfo(TTypeKind kind, std::string name, TOrdType ordType, int64_t min,
                              int64_t max);
// names: the element identifiers separated by commas (spaces ignored).
TTypeInfo MakeEnumTypeInfo(std::string name, std::string_view names);
TTypeInfo MakeSetTypeInfo(std::string name, PTypeInfo compType);
TTypeInfo MakeFloatTypeInfo(std::string name, TFloatType floatType);
TTypeInfo MakeStringTypeInfo(TTypeKind kind, std::string name);
// declaration: the parameter list as written in an event declaration,
// e.g. "Sender: TObject; var Key: Word" and an optional result type.
TTypeInfo MakeMethodTypeInfo(std::string name, std::string_view declaration,
                             std::string resultType = {});

// The type information of a C++ type. Built-in types have theirs; enumerations,
// sets and events declare theirs with the macros below; classes answer their
// metaclass's record.
template <class T, class = void>
struct TTypeInfoOf;

template <class T>
PTypeInfo TypeInfo() {
  return TTypeInfoOf<T>::Get();
}

#define MORVANE_TYPEINFO_SPECIALIZATION(Type, ...)             \
  template <>                                                  \
  struct TTypeInfoOf<Type> {                                   \
    static PTypeInfo Get() {                                   \
      static const TTypeInfo info = __VA_ARGS__;               \
      return &info;                                            \
    }                                                          \
  }

// Declares an enumeration's type information next to the enumeration:
// MORVANE_ENUM_TYPEINFO(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient);
#define MORVANE_ENUM_TYPEINFO(Enum, ...) \
  MORVANE_TYPEINFO_SPECIALIZATION(Enum, MakeEnumTypeInfo(#Enum, #__VA_ARGS__))

// Declares a set type's information: MORVANE_SET_TYPEINFO(TFontStyles, TFontStyle);
// the set type is TSet<TFontStyle>.
#define MORVANE_SET_TYPEINFO(SetName, Enum) \
  MORVANE_TYPEINFO_SPECIALIZATION(TSet<Enum>, MakeSetTypeInfo(#SetName, TypeInfo<Enum>()))

// The standard types.
PTypeInfo TypeInfoInteger();
PTypeInfo TypeInfoCardinal();
PTypeInfo TypeInfoShortInt();
PTypeInfo TypeInfoSmallInt();
PTypeInfo TypeInfoByte();
PTypeInfo TypeInfoWord();
PTypeInfo TypeInfoInt64();
PTypeInfo TypeInfoBoolean();
PTypeInfo TypeInfoChar();
PTypeInfo TypeInfoWideChar();
PTypeInfo TypeInfoString();
PTypeInfo TypeInfoExtended();
PTypeInfo TypeInfoDouble();
PTypeInfo TypeInfoSingle();
PTypeInfo TypeInfoCurrency();
// Named types: the same values as their base types, with records of their own
// so that editors can be registered for exactly these.
PTypeInfo TypeInfoTColor();
PTypeInfo TypeInfoTCursor();
PTypeInfo TypeInfoTModalResult();
PTypeInfo TypeInfoTTabOrder();
PTypeInfo TypeInfoTFontCharset();
PTypeInfo TypeInfoTCaption();
PTypeInfo TypeInfoTFontName();
PTypeInfo TypeInfoTImeName();
PTypeInfo TypeInfoTDateTime();
PTypeInfo TypeInfoTDate();
PTypeInfo TypeInfoTTime();

#define MORVANE_BUILTIN_TYPEINFO(Type, Function) \
  template <>                                    \
  struct TTypeInfoOf<Type> {                     \
    static PTypeInfo Get() { return Function(); } \
  }
MORVANE_BUILTIN_TYPEINFO(int32_t, TypeInfoInteger);
MORVANE_BUILTIN_TYPEINFO(uint32_t, TypeInfoCardinal);
MORVANE_BUILTIN_TYPEINFO(int8_t, TypeInfoShortInt);
MORVANE_BUILTIN_TYPEINFO(int16_t, TypeInfoSmallInt);
MORVANE_BUILTIN_TYPEINFO(uint8_t, TypeInfoByte);
MORVANE_BUILTIN_TYPEINFO(uint16_t, TypeInfoWord);
MORVANE_BUILTIN_TYPEINFO(int64_t, TypeInfoInt64);
MORVANE_BUILTIN_TYPEINFO(bool, TypeInfoBoolean);
MORVANE_BUILTIN_TYPEINFO(char, TypeInfoChar);
MORVANE_BUILTIN_TYPEINFO(char16_t, TypeInfoWideChar);
MORVANE_BUILTIN_TYPEINFO(std::string, TypeInfoString);
MORVANE_BUILTIN_TYPEINFO(long double, TypeInfoExtended);
MORVANE_BUILTIN_TYPEINFO(double, TypeInfoDouble);
MORVANE_BUILTIN_TYPEINFO(float, TypeInfoSingle);
#undef MORVANE_BUILTIN_TYPEINFO

// Kinds whose values the accessors carry as ordinals, resp. strings.
inline bool IsOrdinalKind(TTypeKind kind) {
  return kind == tkInteger || kind == tkChar || kind == tkEnumeration || kind == tkSet ||
         kind == tkWChar;
}
inline bool IsStringKind(TTypeKind kind) {
  return kind == tkString || kind == tkLString || kind == tkWString;
}
