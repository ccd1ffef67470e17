#include "platform/design/OrdinalEditors.h"

#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"
#include "platform/rtti/TypInfo.h"

void ThrowInvalidPropertyValue() { throw EPropertyError("Invalid property value"); }

bool TOrdinalProperty::AllEqual() {
  const int64_t first = GetOrdValue();
  for (int32_t i = 1; i < PropCount(); ++i)
    if (GetOrdValueAt(i) != first) return false;
  return true;
}

std::string TIntegerProperty::GetValue() {
  const int64_t value = GetOrdValue();
  if (GetTypeData(GetPropType())->OrdType == otULong) return IntToStr(static_cast<uint32_t>(value));
  return IntToStr(value);
}

void TIntegerProperty::SetValue(const std::string& value) { SetCheckedValue(StrToInt64(value)); }

void TIntegerProperty::SetCheckedValue(int64_t value) {
  PTypeData data = GetTypeData(GetPropType());
  if (value < data->MinValue || value > data->MaxValue)
    throw EPropertyError(Format("Value must be between %d and %d",
                                {static_cast<long long>(data->MinValue),
                                 static_cast<long long>(data->MaxValue)}));
  SetOrdValue(value);
}

std::string TCharProperty::GetValue() {
  const int64_t ch = GetOrdValue();
  if (ch > 32 && ch < 127) return std::string(1, static_cast<char>(ch));
  return "#" + IntToStr(ch);
}

void TCharProperty::SetValue(const std::string& value) {
  int64_t ch = 0;
  if (value.size() == 1) ch = static_cast<unsigned char>(value[0]);
  else if (value.size() > 1 && value[0] == '#') ch = StrToInt(value.substr(1));
  else ThrowInvalidPropertyValue();
  PTypeData data = GetTypeData(GetPropType());
  if (ch < data->MinValue || ch > data->MaxValue) ThrowInvalidPropertyValue();
  SetOrdValue(ch);
}

TPropertyAttributes TEnumProperty::GetAttributes() {
  return {paMultiSelect, paValueList, paSortList, paRevertable};
}

std::string TEnumProperty::GetValue() { return GetEnumName(GetPropType(), GetOrdValue()); }

void TEnumProperty::GetValues(const TGetStrProc& proc) {
  PTypeInfo type = GetPropType();
  PTypeData data = GetTypeData(type);
  for (int64_t v = data->MinValue; v <= data->MaxValue; ++v) proc(GetEnumName(type, v));
}

void TEnumProperty::SetValue(const std::string& value) {
  const int64_t ordinal = GetEnumValue(GetPropType(), Trim(value));
  PTypeData data = GetTypeData(GetPropType());
  if (ordinal < data->MinValue || ordinal > data->MaxValue) ThrowInvalidPropertyValue();
  SetOrdValue(ordinal);
}

TPropertyAttributes TSetProperty::GetAttributes() {
  return {paMultiSelect, paSubProperties, paReadOnly, paRevertable};
}

void TSetProperty::GetProperties(const TGetPropEditProc& proc) {
  PTypeData elements = GetTypeData(GetTypeData(GetPropType())->CompType);
  for (int64_t e = elements->MinValue; e <= elements->MaxValue; ++e) {
    auto* editor = static_cast<TSetElementProperty*>(
        CreatePropertyEditor(TSetElementProperty::StaticClass(), Designer()));
    for (int32_t i = 0; i < PropCount(); ++i)
      editor->SetPropEntry(i, PropList()[static_cast<size_t>(i)].Instance,
                           PropList()[static_cast<size_t>(i)].PropInfo);
    editor->SetElement(static_cast<int32_t>(e));
    proc(editor);
  }
}

std::string TSetProperty::GetValue() {
  std::string text = "[";
  for (const std::string& name : SetToNames(GetPropType(), GetOrdValue())) {
    if (text.size() > 1) text += ',';
    text += name;
  }
  return text + "]";
}

bool TSetElementProperty::Holds(int32_t index) const {
  return (static_cast<uint64_t>(GetOrdValueAt(index)) >> FElement) & 1u;
}

bool TSetElementProperty::AllEqual() {
  const bool first = Holds(0);
  for (int32_t i = 1; i < PropCount(); ++i)
    if (Holds(i) != first) return false;
  return true;
}

TPropertyAttributes TSetElementProperty::GetAttributes() {
  return {paMultiSelect, paValueList, paSortList};
}

std::string TSetElementProperty::GetName() {
  return GetEnumName(GetTypeData(GetPropType())->CompType, FElement);
}

std::string TSetElementProperty::GetValue() { return Holds(0) ? "True" : "False"; }

void TSetElementProperty::GetValues(const TGetStrProc& proc) {
  proc("False");
  proc("True");
}

void TSetElementProperty::SetValue(const std::string& value) {
  bool include;
  if (SameText(value, "True")) include = true;
  else if (SameText(value, "False")) include = false;
  else ThrowInvalidPropertyValue();
  // Each object keeps its other elements.
  const uint64_t bit = uint64_t{1} << FElement;
  ForEachProperty([&](TObject* o, PPropInfo p) {
    const uint64_t set = static_cast<uint64_t>(GetOrdProp(o, p));
    SetOrdProp(o, p, static_cast<int64_t>(include ? set | bit : set & ~bit));
  });
}
