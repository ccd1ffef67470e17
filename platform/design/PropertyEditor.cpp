#include "platform/design/PropertyEditor.h"

#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"
#include "platform/design/FormDesigner.h"
#include "platform/rtti/TypInfo.h"

TPropertyEditor* CreatePropertyEditor(TPropertyEditorClass editorClass, TFormDesigner* designer) {
  if (!editorClass || !editorClass->InheritsFrom(TPropertyEditor::StaticClass()))
    ThrowInvalidCast(editorClass ? editorClass->ClassName() : "nil", "TPropertyEditor");
  auto* editor = static_cast<TPropertyEditor*>(editorClass->Create());
  editor->FDesigner = designer;
  return editor;
}

TPersistent* TPropertyEditor::GetComponent(int32_t index) const {
  if (index < 0 || index >= PropCount())
    throw EListError(Format("List index out of bounds (%d)", {index}));
  return FPropList[static_cast<size_t>(index)].Instance;
}

void TPropertyEditor::SetPropEntry(int32_t index, TPersistent* instance, PPropInfo propInfo) {
  if (index < 0 || index > PropCount())
    throw EListError(Format("List index out of bounds (%d)", {index}));
  if (index == PropCount()) FPropList.push_back({instance, propInfo});
  else FPropList[static_cast<size_t>(index)] = {instance, propInfo};
}

bool TPropertyEditor::AllEqual() { return PropCount() == 1; }

void TPropertyEditor::Edit() {
  if (!GetAttributes().Contains(paValueList)) return;
  std::vector<std::string> values;
  GetValues([&](const std::string& v) { values.push_back(v); });
  if (values.empty()) return;
  const std::string current = GetValue();
  size_t next = 0;
  for (size_t i = 0; i < values.size(); ++i)
    if (SameText(values[i], current)) {
      next = (i + 1) % values.size();
      break;
    }
  SetValue(values[next]);
}

TPropertyAttributes TPropertyEditor::GetAttributes() { return {paMultiSelect, paRevertable}; }

std::string TPropertyEditor::GetName() { return GetPropInfo()->Name; }

void TPropertyEditor::GetProperties(const TGetPropEditProc&) {}

std::string TPropertyEditor::GetValue() { return "(unknown)"; }

void TPropertyEditor::GetValues(const TGetStrProc&) {}

void TPropertyEditor::SetValue(const std::string&) {}

void TPropertyEditor::Revert() {
  if (!FDesigner) return;
  for (const TInstProp& p : FPropList) FDesigner->Revert(p.Instance, p.PropInfo);
}

PPropInfo TPropertyEditor::GetPropInfo() const {
  if (FPropList.empty()) throw EPropertyError("The property editor edits no property");
  return FPropList.front().PropInfo;
}

PTypeInfo TPropertyEditor::GetPropType() const { return GetPropInfo()->PropType; }

int64_t TPropertyEditor::GetOrdValueAt(int32_t index) const {
  const TInstProp& p = FPropList.at(static_cast<size_t>(index));
  if (p.PropInfo->PropType->Kind == tkInt64) return GetInt64Prop(p.Instance, p.PropInfo);
  return GetOrdProp(p.Instance, p.PropInfo);
}

std::string TPropertyEditor::GetStrValueAt(int32_t index) const {
  const TInstProp& p = FPropList.at(static_cast<size_t>(index));
  return GetStrProp(p.Instance, p.PropInfo);
}

long double TPropertyEditor::GetFloatValueAt(int32_t index) const {
  const TInstProp& p = FPropList.at(static_cast<size_t>(index));
  return GetFloatProp(p.Instance, p.PropInfo);
}

TMethod TPropertyEditor::GetMethodValueAt(int32_t index) const {
  const TInstProp& p = FPropList.at(static_cast<size_t>(index));
  return GetMethodProp(p.Instance, p.PropInfo);
}

TObject* TPropertyEditor::GetObjectValueAt(int32_t index) const {
  const TInstProp& p = FPropList.at(static_cast<size_t>(index));
  return GetObjectProp(p.Instance, p.PropInfo);
}

void TPropertyEditor::ForEachProperty(const std::function<void(TObject*, PPropInfo)>& write) {
  for (const TInstProp& p : FPropList) write(p.Instance, p.PropInfo);
  Modified();
}

void TPropertyEditor::SetOrdValue(int64_t value) {
  ForEachProperty([value](TObject* o, PPropInfo p) {
    if (p->PropType->Kind == tkInt64) SetInt64Prop(o, p, value);
    else SetOrdProp(o, p, value);
  });
}

void TPropertyEditor::SetStrValue(const std::string& value) {
  ForEachProperty([&value](TObject* o, PPropInfo p) { SetStrProp(o, p, value); });
}

void TPropertyEditor::SetFloatValue(long double value) {
  ForEachProperty([value](TObject* o, PPropInfo p) { SetFloatProp(o, p, value); });
}

void TPropertyEditor::SetMethodValue(const TMethod& value) {
  ForEachProperty([&value](TObject* o, PPropInfo p) { SetMethodProp(o, p, value); });
}

void TPropertyEditor::SetObjectValue(TObject* value) {
  ForEachProperty([value](TObject* o, PPropInfo p) { SetObjectProp(o, p, value); });
}

void TPropertyEditor::Modified() {
  if (FDesigner) FDesigner->Modified();
}
