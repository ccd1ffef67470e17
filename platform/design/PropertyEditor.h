#pragma once
// TPropertyEditor: edits one published property of one or several selected
// objects for the inspector. It reads the value of the first object, writes a
// value to every selected object and then tells the designer (Modified).
// Descendants format and parse the values of their kind of property.
//
// Editors are made from class references (RegisterPropertyEditor); the
// factory CreatePropertyEditor sets the designer and the edited properties,
// so a descendant needs no constructor of its own.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/classes/Persistent.h"
#include "platform/core/TSet.h"
#include "platform/design/FormDesigner.h"
#include "platform/rtti/Object.h"

class TPropertyEditor;

enum TPropertyAttribute {
  paValueList,      // GetValues offers a list of values
  paSubProperties,  // GetProperties offers editors of sub-properties
  paDialog,         // Edit opens a dialog
  paMultiSelect,    // the property may be edited for several objects at once
  paAutoUpdate,     // SetValue after every change of the text, not only on commit
  paSortList,       // the value list is shown sorted
  paReadOnly,       // the value text cannot be typed
  paRevertable      // the value can be given back its inherited value
};
using TPropertyAttributes = TSet<TPropertyAttribute, 8>;

// Receives an editor and takes ownership of it.
using TGetPropEditProc = std::function<void(TPropertyEditor* editor)>;
using TPropertyEditorClass = TClass;

// One edited property: the object and its property record.
struct TInstProp {
  TPersistent* Instance = nullptr;
  PPropInfo PropInfo = nullptr;
};

class TPropertyEditor : public TObject {
  MORVANE_CLASS(TPropertyEditor, TObject)

 public:
  TPropertyEditor() = default;

  TFormDesigner* Designer() const { return FDesigner; }
  int32_t PropCount() const { return static_cast<int32_t>(FPropList.size()); }
  // The index-th edited object; raises EListError out of range.
  TPersistent* GetComponent(int32_t index) const;
  void SetPropEntry(int32_t index, TPersistent* instance, PPropInfo propInfo);

  virtual void Activate() {}
  // Whether every edited object has the same value; the base knows only one.
  virtual bool AllEqual();
  // The default edit: step to the next entry of the value list.
  virtual void Edit();
  virtual TPropertyAttributes GetAttributes();
  virtual int32_t GetEditLimit() { return 255; }
  virtual std::string GetName();
  virtual void GetProperties(const TGetPropEditProc& proc);
  virtual std::string GetValue();
  virtual void GetValues(const TGetStrProc& proc);
  virtual void SetValue(const std::string& value);
  // Gives the property of every edited object its inherited value.
  virtual void Revert();

  PPropInfo GetPropInfo() const;
  PTypeInfo GetPropType() const;

  // Values of the first object; the setters write every object and call
  // Modified once.
  int64_t GetOrdValue() const { return GetOrdValueAt(0); }
  int64_t GetOrdValueAt(int32_t index) const;
  void SetOrdValue(int64_t value);
  std::string GetStrValue() const { return GetStrValueAt(0); }
  std::string GetStrValueAt(int32_t index) const;
  void SetStrValue(const std::string& value);
  long double GetFloatValue() const { return GetFloatValueAt(0); }
  long double GetFloatValueAt(int32_t index) const;
  void SetFloatValue(long double value);
  TMethod GetMethodValue() const { return GetMethodValueAt(0); }
  TMethod GetMethodValueAt(int32_t index) const;
  void SetMethodValue(const TMethod& value);
  TObject* GetObjectValue() const { return GetObjectValueAt(0); }
  TObject* GetObjectValueAt(int32_t index) const;
  void SetObjectValue(TObject* value);

  // Tells the designer that the edited objects changed.
  void Modified();

 protected:
  // Writes every edited property through write, then Modified.
  void ForEachProperty(const std::function<void(TObject*, PPropInfo)>& write);
  const std::vector<TInstProp>& PropList() const { return FPropList; }

 private:
  friend TPropertyEditor* CreatePropertyEditor(TPropertyEditorClass, TFormDesigner*);
  TFormDesigner* FDesigner = nullptr;
  std::vector<TInstProp> FPropList;
};

// Makes an editor of the given class (a TPropertyEditor descendant) for the
// designer, with no edited property yet; raises EInvalidCast for another class.
TPropertyEditor* CreatePropertyEditor(TPropertyEditorClass editorClass, TFormDesigner* designer);
