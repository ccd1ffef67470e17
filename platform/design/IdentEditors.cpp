#include "platform/design/IdentEditors.h"

#include <algorithm>
#include <vector>

#include "platform/controls/menus/ShortCuts.h"
#include "platform/core/SysUtils.h"
#include "platform/design/DialogHooks.h"
#include "platform/rtti/IntConsts.h"

namespace {

constexpr int64_t ScanLow = -32768;
constexpr int64_t ScanHigh = 32767;

void EnumerateIdents(PTypeInfo type, const TGetStrProc& proc) {
  TIntToIdent toIdent = FindIntToIdent(type);
  if (!toIdent) return;
  PTypeData data = GetTypeData(type);
  std::string ident;
  const auto visit = [&](int64_t v) {
    if (toIdent(static_cast<int32_t>(v), ident)) proc(ident);
  };
  for (int64_t v = std::min<int64_t>(0, data->MaxValue); v >= std::max(data->MinValue, ScanLow); --v)
    visit(v);
  for (int64_t v = std::max<int64_t>(1, data->MinValue); v <= std::min(data->MaxValue, ScanHigh); ++v)
    visit(v);
}

const char* const NoShortCut = "(None)";

}  // namespace

void TColorProperty::Edit() {
  if (!ExecuteColorDialogProc) return;
  TColor color = static_cast<TColor>(GetOrdValue());
  if (ExecuteColorDialogProc(color)) SetOrdValue(color);
}

TPropertyAttributes TColorProperty::GetAttributes() {
  return {paMultiSelect, paDialog, paValueList, paRevertable};
}

std::string TColorProperty::GetValue() { return ColorToString(static_cast<TColor>(GetOrdValue())); }

void TColorProperty::GetValues(const TGetStrProc& proc) { GetColorValues(proc); }

void TColorProperty::SetValue(const std::string& value) {
  int32_t color;
  if (IdentToColor(Trim(value), color)) {
    SetOrdValue(color);
    return;
  }
  int64_t number = StrToInt64(value);
  // "$80000005" names a system colour by number: the 32 bits as written.
  if (number > INT32_MAX && number <= UINT32_MAX) number = static_cast<int32_t>(static_cast<uint32_t>(number));
  SetCheckedValue(number);
}

TPropertyAttributes TIdentIntegerProperty::GetAttributes() {
  return {paMultiSelect, paValueList, paRevertable};
}

std::string TIdentIntegerProperty::GetValue() {
  std::string ident;
  if (TIntToIdent toIdent = FindIntToIdent(GetPropType());
      toIdent && toIdent(static_cast<int32_t>(GetOrdValue()), ident))
    return ident;
  return TIntegerProperty::GetValue();
}

void TIdentIntegerProperty::GetValues(const TGetStrProc& proc) { EnumerateIdents(GetPropType(), proc); }

void TIdentIntegerProperty::SetValue(const std::string& value) {
  int32_t number;
  if (TIdentToInt toInt = FindIdentToInt(GetPropType()); toInt && toInt(Trim(value), number))
    SetCheckedValue(number);
  else
    TIntegerProperty::SetValue(value);
}

namespace {

const std::vector<TIdentMapEntry>& ModalResultIdents() {
  static const std::vector<TIdentMapEntry> idents = {
      {0, "mrNone"},  {1, "mrOk"}, {2, "mrCancel"}, {3, "mrAbort"},    {4, "mrRetry"},    {5, "mrIgnore"},
      {6, "mrYes"},   {7, "mrNo"}, {8, "mrAll"},    {9, "mrNoToAll"}, {10, "mrYesToAll"}};
  return idents;
}

}  // namespace

std::string TModalResultProperty::GetValue() {
  std::string ident;
  if (IntToIdent(static_cast<int32_t>(GetOrdValue()), ident, ModalResultIdents())) return ident;
  return TIntegerProperty::GetValue();
}

void TModalResultProperty::GetValues(const TGetStrProc& proc) {
  for (const TIdentMapEntry& entry : ModalResultIdents()) proc(entry.Name);
}

void TModalResultProperty::SetValue(const std::string& value) {
  int32_t number;
  if (IdentToInt(Trim(value), number, ModalResultIdents())) SetCheckedValue(number);
  else TIntegerProperty::SetValue(value);
}

TPropertyAttributes TCursorProperty::GetAttributes() {
  return TIdentIntegerProperty::GetAttributes() + paSortList;
}

bool TFontCharsetProperty::EditsText() { return IsStringKind(GetPropType()->Kind); }

TPropertyAttributes TFontCharsetProperty::GetAttributes() {
  return TIdentIntegerProperty::GetAttributes() + paSortList;
}

std::string TFontCharsetProperty::GetValue() {
  return EditsText() ? GetStrValue() : TIdentIntegerProperty::GetValue();
}

void TFontCharsetProperty::GetValues(const TGetStrProc& proc) {
  EnumerateIdents(TypeInfoTFontCharset(), proc);
}

void TFontCharsetProperty::SetValue(const std::string& value) {
  if (EditsText()) SetStrValue(value);
  else TIdentIntegerProperty::SetValue(value);
}

TPropertyAttributes TShortCutProperty::GetAttributes() {
  return {paMultiSelect, paValueList, paRevertable};
}

std::string TShortCutProperty::GetValue() {
  const std::string text = ShortCutToText(static_cast<TShortCut>(GetOrdValue()));
  return text.empty() ? NoShortCut : text;
}

void TShortCutProperty::GetValues(const TGetStrProc& proc) {
  proc(NoShortCut);
  for (uint16_t key = 'A'; key <= 'Z'; ++key) proc(ShortCutToText(scCtrl | key));
  for (uint16_t key = 'A'; key <= 'Z'; ++key) proc(ShortCutToText(scCtrl | scAlt | key));
  for (TShortCut modifiers : {TShortCut{0}, scCtrl, scShift, TShortCut(scShift | scCtrl)})
    for (uint16_t key = 0x70; key < 0x70 + 12; ++key) proc(ShortCutToText(modifiers | key));
  for (uint16_t key : {VK_INSERT, VK_DELETE})
    for (TShortCut modifiers : {TShortCut{0}, scShift, scCtrl}) proc(ShortCutToText(modifiers | key));
  proc(ShortCutToText(scAlt | VK_BACK));
  proc(ShortCutToText(scShift | scAlt | VK_BACK));
}

void TShortCutProperty::SetValue(const std::string& value) {
  const std::string trimmed = Trim(value);
  if (trimmed.empty() || SameText(trimmed, NoShortCut)) {
    SetOrdValue(0);
    return;
  }
  const TShortCut shortCut = TextToShortCut(trimmed);
  if (shortCut == scNone) ThrowInvalidPropertyValue();
  SetOrdValue(shortCut);
}
