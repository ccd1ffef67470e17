#pragma once
// Property editors whose value is text: strings, captions, font names,
// component names, floats, dates and times.

#include "platform/design/PropertyEditor.h"

class TStringProperty : public TPropertyEditor {
  MORVANE_CLASS(TStringProperty, TPropertyEditor)

 public:
  bool AllEqual() override;
  std::string GetValue() override;
  void SetValue(const std::string& value) override;
};

// Writes every change of the text at once, so that the form shows it typed.
class TCaptionProperty : public TStringProperty {
  MORVANE_CLASS(TCaptionProperty, TStringProperty)

 public:
  TPropertyAttributes GetAttributes() override;
};

// The installed font families as a sorted value list.
class TFontNameProperty : public TStringProperty {
  MORVANE_CLASS(TFontNameProperty, TStringProperty)

 public:
  TPropertyAttributes GetAttributes() override;
  void GetValues(const TGetStrProc& proc) override;
};

// A component's Name: one component at a time; bad or duplicate names are
// refused by the component (EComponentError) and the old name stays.
class TComponentNameProperty : public TStringProperty {
  MORVANE_CLASS(TComponentNameProperty, TStringProperty)

 public:
  TPropertyAttributes GetAttributes() override;
  int32_t GetEditLimit() override { return 63; }
};

// Floats in the general format with the precision of their type.
class TFloatProperty : public TPropertyEditor {
  MORVANE_CLASS(TFloatProperty, TPropertyEditor)

 public:
  bool AllEqual() override;
  std::string GetValue() override;
  void SetValue(const std::string& value) override;
};

// Dates, times and both as text (DateTimeText.h); an empty text is zero and
// zero shows as an empty text.
class TDateTimeProperty : public TPropertyEditor {
  MORVANE_CLASS(TDateTimeProperty, TPropertyEditor)

 public:
  std::string GetValue() override;
  void SetValue(const std::string& value) override;
};

class TDateProperty : public TPropertyEditor {
  MORVANE_CLASS(TDateProperty, TPropertyEditor)

 public:
  std::string GetValue() override;
  void SetValue(const std::string& value) override;
};

class TTimeProperty : public TPropertyEditor {
  MORVANE_CLASS(TTimeProperty, TPropertyEditor)

 public:
  std::string GetValue() override;
  void SetValue(const std::string& value) override;
};
