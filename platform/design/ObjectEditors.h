#pragma once
// Property editors of object, component-reference and event properties.

#include "platform/design/PropertyEditor.h"

// "(TFont)"; the object's published properties are its sub-properties.
class TClassProperty : public TPropertyEditor {
  MORVANE_CLASS(TClassProperty, TPropertyEditor)

 public:
  TPropertyAttributes GetAttributes() override;
  void GetProperties(const TGetPropEditProc& proc) override;
  std::string GetValue() override;
};

// A font: sub-properties, and Edit opens the font dialog (DialogHooks.h).
class TFontProperty : public TClassProperty {
  MORVANE_CLASS(TFontProperty, TClassProperty)

 public:
  void Edit() override;
  TPropertyAttributes GetAttributes() override;
};

// A reference to another component of the form, by the name the designer
// gives it; the designer's component names of the property's class are the
// value list. An empty text clears the reference.
class TComponentProperty : public TPropertyEditor {
  MORVANE_CLASS(TComponentProperty, TPropertyEditor)

 public:
  TPropertyAttributes GetAttributes() override;
  int32_t GetEditLimit() override { return 127; }
  std::string GetValue() override;
  void GetValues(const TGetStrProc& proc) override;
  void SetValue(const std::string& value) override;
};

// An event: the handler's name as the designer tells it. Typing a new name
// asks the designer to create the handler (or to rename the current one);
// Edit shows the handler, creating one named after the component and the
// event when there is none.
class TMethodProperty : public TPropertyEditor {
  MORVANE_CLASS(TMethodProperty, TPropertyEditor)

 public:
  bool AllEqual() override;
  void Edit() override;
  TPropertyAttributes GetAttributes() override;
  int32_t GetEditLimit() override { return 127; }
  std::string GetValue() override;
  void GetValues(const TGetStrProc& proc) override;
  void SetValue(const std::string& value) override;

  // "Button1Click" for OnClick of Button1, "FormCreate" for the root's OnCreate.
  std::string GetFormMethodName();
  // The part of the event's name after "On": "Click".
  std::string GetTrimmedEventName();
};
