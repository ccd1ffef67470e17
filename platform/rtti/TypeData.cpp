#include "platform/rtti/TypeData.h"

#include <strings.h>

#include <limits>

#include "platform/core/Exceptions.h"

namespace {
std::string_view TrimView(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\n')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\n')) s.remove_suffix(1);
  return s;
}

std::vector<std::string_view> Split(std::string_view s, char separator) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  for (size_t i = 0; i <= s.size(); ++i) {
    if (i == s.size() || s[i] == separator) {
      parts.push_back(TrimView(s.substr(start, i - start)));
      start = i + 1;
    }
  }
  return parts;
}
}  // namespace

std::string GetEnumName(PTypeInfo typeInfo, int64_t value) {
  const TTypeData& data = typeInfo->Data.BaseType ? typeInfo->Data.BaseType->Data : typeInfo->Data;
  if (value < 0 || value >= static_cast<int64_t>(data.NameList.size())) return {};
  return data.NameList[static_cast<size_t>(value)];
}

int64_t GetEnumValue(PTypeInfo typeInfo, std::string_view name) {
  const TTypeData& data = typeInfo->Data.BaseType ? typeInfo->Data.BaseType->Data : typeInfo->Data;
  for (size_t i = 0; i < data.NameList.size(); ++i) {
    const std::string& candidate = data.NameList[i];
    if (candidate.size() == name.size() &&
        strncasecmp(candidate.data(), name.data(), name.size()) == 0)
      return static_cast<int64_t>(i);
  }
  return -1;
}

// A record of a kind and a name only: strings need no more, the others
// start from it.
TTypeInfo MakeStringTypeInfo(TTypeKind kind, std::string name) {
  TTypeInfo info;
  info.Kind = kind;
  info.Name = std::move(name);
  return info;
}

TTypeInfo MakeOrdinalTypeInfo(TTypeKind kind, std::string name, TOrdType ordType, int64_t min,
                              int64_t max) {
  TTypeInfo info = MakeStringTypeInfo(kind, std::move(name));
  info.Data.OrdType = ordType;
  info.Data.MinValue = min;
  info.Data.MaxValue = max;
  return info;
}

TTypeInfo MakeEnumTypeInfo(std::string name, std::string_view names) {
  TTypeInfo info = MakeStringTypeInfo(tkEnumeration, std::move(name));
  for (std::string_view n : Split(names, ',')) info.Data.NameList.emplace_back(n);
  info.Data.MinValue = 0;
  info.Data.MaxValue = static_cast<int64_t>(info.Data.NameList.size()) - 1;
  info.Data.OrdType = info.Data.NameList.size() <= 256 ? otUByte : otUWord;
  return info;
}

TTypeInfo MakeSetTypeInfo(std::string name, PTypeInfo compType) {
  TTypeInfo info = MakeStringTypeInfo(tkSet, std::move(name));
  info.Data.CompType = compType;
  info.Data.OrdType = otULong;
  return info;
}

TTypeInfo MakeFloatTypeInfo(std::string name, TFloatType floatType) {
  TTypeInfo info = MakeStringTypeInfo(tkFloat, std::move(name));
  info.Data.FloatType = floatType;
  return info;
}

TTypeInfo MakeMethodTypeInfo(std::string name, std::string_view declaration,
                             std::string resultType) {
  TTypeInfo info = MakeStringTypeInfo(tkMethod, std::move(name));
  info.Data.MethodKind = resultType.empty() ? mkProcedure : mkFunction;
  info.Data.ResultType = std::move(resultType);
  if (TrimView(declaration).empty()) return info;
  for (std::string_view group : Split(declaration, ';')) {
    size_t colon = group.find(':');
    if (colon == std::string_view::npos)
      throw EConvertError("Parameter without a type in " + info.Name);
    std::string_view names = TrimView(group.substr(0, colon));
    std::string typeName(TrimView(group.substr(colon + 1)));
    TParamFlags flags;
    for (auto [word, flag] : {std::pair{"var ", pfVar}, {"const ", pfConst}, {"out ", pfOut}}) {
      if (names.starts_with(word)) {
        flags.Include(flag);
        names = TrimView(names.substr(std::string_view(word).size()));
      }
    }
    if (typeName.starts_with("array of ")) flags.Include(pfArray);
    for (std::string_view n : Split(names, ','))
      info.Data.ParamList.push_back({flags, std::string(n), typeName});
  }
  return info;
}

#define MORVANE_STANDARD_TYPE(Function, ...)    \
  PTypeInfo Function() {                        \
    static const TTypeInfo info = __VA_ARGS__;  \
    return &info;                               \
  }

MORVANE_STANDARD_TYPE(TypeInfoInteger, MakeOrdinalTypeInfo(tkInteger, "Integer", otSLong,
                                                           std::numeric_limits<int32_t>::min(),
                                                           std::numeric_limits<int32_t>::max()))
MORVANE_STANDARD_TYPE(TypeInfoCardinal, MakeOrdinalTypeInfo(tkInteger, "Cardinal", otULong, 0,
                                                            std::numeric_limits<uint32_t>::max()))
MORVANE_STANDARD_TYPE(TypeInfoShortInt, MakeOrdinalTypeInfo(tkInteger, "ShortInt", otSByte, -128, 127))
MORVANE_STANDARD_TYPE(TypeInfoSmallInt,
                      MakeOrdinalTypeInfo(tkInteger, "SmallInt", otSWord, -32768, 32767))
MORVANE_STANDARD_TYPE(TypeInfoByte, MakeOrdinalTypeInfo(tkInteger, "Byte", otUByte, 0, 255))
MORVANE_STANDARD_TYPE(TypeInfoWord, MakeOrdinalTypeInfo(tkInteger, "Word", otUWord, 0, 65535))
MORVANE_STANDARD_TYPE(TypeInfoInt64, MakeOrdinalTypeInfo(tkInt64, "Int64", otSLong,
                                                         std::numeric_limits<int64_t>::min(),
                                                         std::numeric_limits<int64_t>::max()))
MORVANE_STANDARD_TYPE(TypeInfoBoolean, [] {
  TTypeInfo info = MakeEnumTypeInfo("Boolean", "False,True");
  info.Data.BaseType = nullptr;
  return info;
}())
MORVANE_STANDARD_TYPE(TypeInfoChar, MakeOrdinalTypeInfo(tkChar, "Char", otUByte, 0, 255))
MORVANE_STANDARD_TYPE(TypeInfoWideChar, MakeOrdinalTypeInfo(tkWChar, "WideChar", otUWord, 0, 65535))
MORVANE_STANDARD_TYPE(TypeInfoString, MakeStringTypeInfo(tkLString, "string"))
MORVANE_STANDARD_TYPE(TypeInfoExtended, MakeFloatTypeInfo("Extended", ftExtended))
MORVANE_STANDARD_TYPE(TypeInfoDouble, MakeFloatTypeInfo("Double", ftDouble))
MORVANE_STANDARD_TYPE(TypeInfoSingle, MakeFloatTypeInfo("Single", ftSingle))
MORVANE_STANDARD_TYPE(TypeInfoCurrency, MakeFloatTypeInfo("Currency", ftCurr))

MORVANE_STANDARD_TYPE(TypeInfoTColor, MakeOrdinalTypeInfo(tkInteger, "TColor", otSLong,
                                                          std::numeric_limits<int32_t>::min(),
                                                          std::numeric_limits<int32_t>::max()))
MORVANE_STANDARD_TYPE(TypeInfoTCursor, MakeOrdinalTypeInfo(tkInteger, "TCursor", otSWord, -32768, 32767))
MORVANE_STANDARD_TYPE(TypeInfoTModalResult,
                      MakeOrdinalTypeInfo(tkInteger, "TModalResult", otSLong,
                                          std::numeric_limits<int32_t>::min(),
                                          std::numeric_limits<int32_t>::max()))
MORVANE_STANDARD_TYPE(TypeInfoTTabOrder, MakeOrdinalTypeInfo(tkInteger, "TTabOrder", otSWord, -1, 32767))
MORVANE_STANDARD_TYPE(TypeInfoTFontCharset,
                      MakeOrdinalTypeInfo(tkInteger, "TFontCharset", otUByte, 0, 255))
MORVANE_STANDARD_TYPE(TypeInfoTCaption, MakeStringTypeInfo(tkLString, "TCaption"))
MORVANE_STANDARD_TYPE(TypeInfoTFontName, MakeStringTypeInfo(tkLString, "TFontName"))
MORVANE_STANDARD_TYPE(TypeInfoTImeName, MakeStringTypeInfo(tkLString, "TImeName"))
MORVANE_STANDARD_TYPE(TypeInfoTDateTime, MakeFloatTypeInfo("TDateTime", ftDouble))
MORVANE_STANDARD_TYPE(TypeInfoTDate, MakeFloatTypeInfo("TDate", ftDouble))
MORVANE_STANDARD_TYPE(TypeInfoTTime, MakeFloatTypeInfo("TTime", ftDouble))
