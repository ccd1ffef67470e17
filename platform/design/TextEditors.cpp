#include "platform/design/TextEditors.h"

#include <QFontDatabase>
#include <QGuiApplication>

#include "platform/core/SysUtils.h"
#include "platform/design/DateTimeText.h"

bool TStringProperty::AllEqual() {
  const std::string first = GetStrValue();
  for (int32_t i = 1; i < PropCount(); ++i)
    if (GetStrValueAt(i) != first) return false;
  return true;
}

std::string TStringProperty::GetValue() { return GetStrValue(); }

void TStringProperty::SetValue(const std::string& value) { SetStrValue(value); }

TPropertyAttributes TCaptionProperty::GetAttributes() {
  return TStringProperty::GetAttributes() + paAutoUpdate;
}

TPropertyAttributes TFontNameProperty::GetAttributes() {
  return {paMultiSelect, paValueList, paSortList, paRevertable};
}

void TFontNameProperty::GetValues(const TGetStrProc& proc) {
  // The font database needs the application's connection to the display.
  if (!QGuiApplication::instance()) return;
  for (const QString& family : QFontDatabase::families()) proc(family.toStdString());
}

TPropertyAttributes TComponentNameProperty::GetAttributes() {
  return TStringProperty::GetAttributes() - paMultiSelect;
}

namespace {
int FloatPrecision(PTypeInfo type) {
  switch (GetTypeData(type)->FloatType) {
    case ftSingle: return 7;
    case ftDouble: return 15;
    case ftExtended: return 18;
    case ftComp:
    case ftCurr: return 19;
  }
  return 15;
}

// Reads the text with parse unless it is empty (zero), then writes it.
template <class Parse>
void SetDateTimeText(TPropertyEditor& editor, const std::string& value, Parse parse) {
  const std::string trimmed = Trim(value);
  editor.SetFloatValue(trimmed.empty() ? 0.0L : static_cast<long double>(parse(trimmed)));
}
}  // namespace

bool TFloatProperty::AllEqual() {
  const long double first = GetFloatValue();
  for (int32_t i = 1; i < PropCount(); ++i)
    if (GetFloatValueAt(i) != first) return false;
  return true;
}

std::string TFloatProperty::GetValue() {
  return FloatToStrF(GetFloatValue(), ffGeneral, FloatPrecision(GetPropType()), 0);
}

void TFloatProperty::SetValue(const std::string& value) { SetFloatValue(StrToFloat(value)); }

std::string TDateTimeProperty::GetValue() {
  const double value = static_cast<double>(GetFloatValue());
  return value == 0.0 ? std::string() : DateTimeToStr(value);
}

void TDateTimeProperty::SetValue(const std::string& value) {
  SetDateTimeText(*this, value, StrToDateTime);
}

std::string TDateProperty::GetValue() {
  const double value = static_cast<double>(GetFloatValue());
  return value == 0.0 ? std::string() : DateToStr(value);
}

void TDateProperty::SetValue(const std::string& value) { SetDateTimeText(*this, value, StrToDate); }

std::string TTimeProperty::GetValue() { return TimeToStr(static_cast<double>(GetFloatValue())); }

void TTimeProperty::SetValue(const std::string& value) { SetDateTimeText(*this, value, StrToTime); }
