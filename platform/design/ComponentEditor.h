#pragma once
// Component editors: what the designer does when a component is
// double-clicked (Edit) and the commands it adds to the design popup menu
// (verbs). Editors are made from class references; GetComponentEditor sets
// the component and the designer, so a descendant needs no constructor.

#include <cstdint>
#include <string>

#include "platform/classes/Component.h"
#include "platform/design/PropertyEditor.h"

class TFormDesigner;

class TComponentEditor : public TObject {
  MORVANE_CLASS(TComponentEditor, TObject)

 public:
  TComponentEditor() = default;

  TComponent* Component() const { return FComponent; }
  TFormDesigner* Designer() const { return FDesigner; }

  // The base runs the first verb when there is one.
  virtual void Edit();
  virtual void ExecuteVerb(int32_t Index);
  virtual std::string GetVerb(int32_t Index);
  virtual int32_t GetVerbCount();
  // Puts what the component would like on the clipboard besides itself.
  virtual void Copy() {}

 private:
  friend TComponentEditor* GetComponentEditor(TComponent*, TFormDesigner*);
  TComponent* FComponent = nullptr;
  TFormDesigner* FDesigner = nullptr;
};
using TComponentEditorClass = TClass;

// The editor of components without one of their own: Edit walks the
// component's event editors through EditProperty and edits the one chosen.
// The base choice is the first of OnCreate, OnChange and OnClick that the
// component has, in that order of preference.
class TDefaultEditor : public TComponentEditor {
  MORVANE_CLASS(TDefaultEditor, TComponentEditor)

 public:
  void Edit() override;

 protected:
  // Called for each editor in turn. Set Continue to false to stop the walk;
  // set FreeEditor to false to keep the editor (then this editor owns it and
  // frees it before Edit returns).
  virtual void EditProperty(TPropertyEditor* PropertyEditor, bool& Continue, bool& FreeEditor);

 private:
  TPropertyEditor* FBest = nullptr;
  int FBestRank = 0;
};

// Registers an editor for a component class and its descendants; the closest
// class wins, and for the same class the later registration.
void RegisterComponentEditor(TComponentClass ComponentClass, TComponentEditorClass ComponentEditorClass);
// A new editor for the component (TDefaultEditor when none is registered);
// the caller frees it.
TComponentEditor* GetComponentEditor(TComponent* Component, TFormDesigner* Designer);
