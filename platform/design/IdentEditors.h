#pragma once
// Property editors of integer properties that have names for their values:
// colours, cursors, character sets, modal results, shortcuts, and the tab
// order. Names come from the identifier maps registered for the property's
// type (IntConsts.h), so every layer brings its own names.

#include "platform/design/OrdinalEditors.h"

// "clRed" or "$00BBGGRR"; the colour names as a value list; Edit opens the
// colour dialog (DialogHooks.h).
class TColorProperty : public TIntegerProperty {
  MORVANE_CLASS(TColorProperty, TIntegerProperty)

 public:
  void Edit() override;
  TPropertyAttributes GetAttributes() override;
  std::string GetValue() override;
  void GetValues(const TGetStrProc& proc) override;
  void SetValue(const std::string& value) override;
};

// Base of the editors below: a value shows as its identifier when its type
// has one, else as a number; both are accepted back. The value list holds
// the identifiers of the values from 0 down to the type's minimum, then from
// 1 up to its maximum, within -32768..32767.
class TIdentIntegerProperty : public TIntegerProperty {
  MORVANE_CLASS(TIdentIntegerProperty, TIntegerProperty)

 public:
  TPropertyAttributes GetAttributes() override;
  std::string GetValue() override;
  void GetValues(const TGetStrProc& proc) override;
  void SetValue(const std::string& value) override;
};

class TCursorProperty : public TIdentIntegerProperty {
  MORVANE_CLASS(TCursorProperty, TIdentIntegerProperty)

 public:
  TPropertyAttributes GetAttributes() override;
};

// Also used for input-method names, which are text: there it edits the text
// and offers the character-set names.
class TFontCharsetProperty : public TIdentIntegerProperty {
  MORVANE_CLASS(TFontCharsetProperty, TIdentIntegerProperty)

 public:
  TPropertyAttributes GetAttributes() override;
  std::string GetValue() override;
  void GetValues(const TGetStrProc& proc) override;
  void SetValue(const std::string& value) override;

 private:
  bool EditsText();
};

// Modal results stream as numbers ("ModalResult = 1"), so their names live in
// the editor, not in an identifier map of the type.
class TModalResultProperty : public TIdentIntegerProperty {
  MORVANE_CLASS(TModalResultProperty, TIdentIntegerProperty)

 public:
  std::string GetValue() override;
  void GetValues(const TGetStrProc& proc) override;
  void SetValue(const std::string& value) override;
};

// One control's place in the tab order: never several at once.
class TTabOrderProperty : public TIntegerProperty {
  MORVANE_CLASS(TTabOrderProperty, TIntegerProperty)

 public:
  TPropertyAttributes GetAttributes() override { return {}; }
};

// "Ctrl+S"; "(None)" for no shortcut; the usual shortcuts as a value list.
class TShortCutProperty : public TOrdinalProperty {
  MORVANE_CLASS(TShortCutProperty, TOrdinalProperty)

 public:
  TPropertyAttributes GetAttributes() override;
  std::string GetValue() override;
  void GetValues(const TGetStrProc& proc) override;
  void SetValue(const std::string& value) override;
};
