#pragma once
// Property editors of ordinal properties: integers, characters,
// enumerations and sets with their elements.

#include "platform/design/PropertyEditor.h"

// Base of the ordinal editors: equal when every object has the same ordinal.
class TOrdinalProperty : public TPropertyEditor {
  MORVANE_CLASS(TOrdinalProperty, TPropertyEditor)

 public:
  bool AllEqual() override;
  int32_t GetEditLimit() override { return 63; }
};

// Decimal text; hexadecimal ("$1F") is accepted too. Values outside the
// type's range raise EPropertyError, text that is no number EConvertError.
class TIntegerProperty : public TOrdinalProperty {
  MORVANE_CLASS(TIntegerProperty, TOrdinalProperty)

 public:
  std::string GetValue() override;
  void SetValue(const std::string& value) override;

 protected:
  // Range check against the property's type, then SetOrdValue.
  void SetCheckedValue(int64_t value);
};

// A printable character as itself, others as "#" and their code.
class TCharProperty : public TOrdinalProperty {
  MORVANE_CLASS(TCharProperty, TOrdinalProperty)

 public:
  std::string GetValue() override;
  void SetValue(const std::string& value) override;
};

// The element names of the enumeration, offered as a value list.
class TEnumProperty : public TOrdinalProperty {
  MORVANE_CLASS(TEnumProperty, TOrdinalProperty)

 public:
  TPropertyAttributes GetAttributes() override;
  std::string GetValue() override;
  void GetValues(const TGetStrProc& proc) override;
  void SetValue(const std::string& value) override;
};

// "[fsBold,fsItalic]"; each element is a sub-property of its own.
class TSetProperty : public TOrdinalProperty {
  MORVANE_CLASS(TSetProperty, TOrdinalProperty)

 public:
  TPropertyAttributes GetAttributes() override;
  void GetProperties(const TGetPropEditProc& proc) override;
  std::string GetValue() override;
};

// One element of a set: "True" when the set holds it, else "False".
class TSetElementProperty : public TPropertyEditor {
  MORVANE_CLASS(TSetElementProperty, TPropertyEditor)

 public:
  int32_t Element() const { return FElement; }
  void SetElement(int32_t element) { FElement = element; }

  bool AllEqual() override;
  TPropertyAttributes GetAttributes() override;
  std::string GetName() override;
  std::string GetValue() override;
  void GetValues(const TGetStrProc& proc) override;
  void SetValue(const std::string& value) override;

 private:
  bool Holds(int32_t index) const;
  int32_t FElement = 0;
};

// The value-error every editor raises for a text it cannot take.
[[noreturn]] void ThrowInvalidPropertyValue();
