#include "platform/design/ObjectEditors.h"

#include <memory>

#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"
#include "platform/design/ComponentList.h"
#include "platform/design/DialogHooks.h"
#include "platform/design/OrdinalEditors.h"
#include "platform/design/PropertyRegistry.h"
#include "platform/graphics/Font.h"
#include "platform/rtti/TypInfo.h"

TPropertyAttributes TClassProperty::GetAttributes() {
  return {paMultiSelect, paSubProperties, paReadOnly};
}

void TClassProperty::GetProperties(const TGetPropEditProc& proc) {
  TComponentList objects;
  for (int32_t i = 0; i < PropCount(); ++i) {
    auto* object = dynamic_cast<TPersistent*>(GetObjectValueAt(i));
    if (!object) return;
    objects.Add(object);
  }
  GetComponentProperties(&objects, tkProperties(), Designer(), proc);
}

std::string TClassProperty::GetValue() { return "(" + GetPropType()->Name + ")"; }

void TFontProperty::Edit() {
  if (!ExecuteFontDialogProc) return;
  auto* current = dynamic_cast<TFont*>(GetObjectValue());
  auto font = std::make_unique<TFont>();
  if (current) font->Assign(current);
  if (!ExecuteFontDialogProc(font.get())) return;
  // Each object copies the chosen font through its own setter.
  SetObjectValue(font.get());
}

TPropertyAttributes TFontProperty::GetAttributes() { return TClassProperty::GetAttributes() + paDialog; }

TPropertyAttributes TComponentProperty::GetAttributes() {
  return {paMultiSelect, paValueList, paSortList, paRevertable};
}

std::string TComponentProperty::GetValue() {
  auto* component = dynamic_cast<TComponent*>(GetObjectValue());
  if (!component || !Designer()) return {};
  return Designer()->GetComponentName(component);
}

void TComponentProperty::GetValues(const TGetStrProc& proc) {
  if (Designer()) Designer()->GetComponentNames(GetTypeData(GetPropType()), proc);
}

void TComponentProperty::SetValue(const std::string& value) {
  TComponent* component = nullptr;
  if (!Trim(value).empty()) {
    component = Designer() ? Designer()->GetComponent(Trim(value)) : nullptr;
    if (!component || !component->InheritsFrom(GetTypeData(GetPropType())->ClassType))
      ThrowInvalidPropertyValue();
  }
  SetObjectValue(component);
}

bool TMethodProperty::AllEqual() {
  const TMethod first = GetMethodValue();
  for (int32_t i = 1; i < PropCount(); ++i)
    if (!(GetMethodValueAt(i) == first)) return false;
  return true;
}

TPropertyAttributes TMethodProperty::GetAttributes() {
  return {paMultiSelect, paValueList, paSortList, paRevertable};
}

std::string TMethodProperty::GetValue() {
  const TMethod method = GetMethodValue();
  if (!method.Code || !Designer()) return {};
  return Designer()->GetMethodName(method);
}

void TMethodProperty::GetValues(const TGetStrProc& proc) {
  if (Designer()) Designer()->GetMethods(GetTypeData(GetPropType()), proc);
}

void TMethodProperty::SetValue(const std::string& value) {
  const std::string name = Trim(value);
  if (name.empty()) {
    SetMethodValue(TMethod{});
    return;
  }
  if (!IsValidIdent(name)) throw EPropertyError(Format("'%s' is not a valid method name", {name}));
  if (!Designer()) return;
  TFormDesigner& designer = *Designer();
  const std::string current = GetValue();
  // A handler of this event that is the form's own gets the new name;
  // otherwise the event is pointed at the handler of that name.
  if (!current.empty() && (SameText(current, name) || !designer.MethodExists(name)) &&
      !designer.MethodFromAncestor(GetMethodValue())) {
    designer.RenameMethod(current, name);
    return;
  }
  const bool existed = designer.MethodExists(name);
  SetMethodValue(designer.CreateMethod(name, GetTypeData(GetPropType())));
  if (!existed) designer.ShowMethod(name);
}

void TMethodProperty::Edit() {
  std::string name = GetValue();
  if (name.empty()) {
    name = GetFormMethodName();
    SetValue(name);
  }
  if (Designer()) Designer()->ShowMethod(name);
}

std::string TMethodProperty::GetTrimmedEventName() {
  const std::string event = GetName();
  return event.size() > 2 && SameText(event.substr(0, 2), "On") ? event.substr(2) : event;
}

std::string TMethodProperty::GetFormMethodName() {
  TPersistent* component = GetComponent(0);
  std::string owner;
  if (Designer() && component == Designer()->GetRoot()) owner = "Form";
  else if (Designer()) owner = Designer()->GetObjectName(component);
  // Sub-objects are named with dots ("Button1.Font"), which a method name cannot hold.
  owner = StringReplace(owner, ".", "", TReplaceFlags{rfReplaceAll});
  return owner + GetTrimmedEventName();
}
