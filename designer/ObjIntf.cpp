#include "designer/ObjIntf.h"

#include <algorithm>

#include "platform/core/SysUtils.h"

TClass DesignerClass = nullptr;
TObjEditor** ActiveDesignerRef = nullptr;
TSelectionChangedEvent OnSelectionChanged;
TDesignModifiedEvent OnDesignModified;

void InitializeObjIntf() {}

void FinalizeObjIntf() {
  DesignerClass = nullptr;
  OnSelectionChanged.Clear();
  OnDesignModified.Clear();
}

// ---- TObjEditor: neutral answers -------------------------------------------

TObjEditor::TObjEditor() = default;

TObjEditor::~TObjEditor() { FreeForms(); }

bool TObjEditor::IsDesignMsg(TControl*, TMessage&) { return false; }

void TObjEditor::Modified() {
  IsModified = true;
  if (Inspector) Inspector->RefreshValues();
  if (OnDesignModified) OnDesignModified();
}

void TObjEditor::Notification(TPersistent*, TOperation) {}
void TObjEditor::PaintGrid() {}
void TObjEditor::ValidateRename(TComponent*, const std::string&, const std::string&) {}
TMethod TObjEditor::CreateMethod(const std::string&, PTypeData) { return TMethod{}; }
std::string TObjEditor::GetMethodName(const TMethod&) { return "Notimplemented"; }
void TObjEditor::GetMethods(PTypeData, const TGetStrProc&) {}

std::string TObjEditor::GetPrivateDirectory() {
  return ExtractFilePath(Application ? Application->ExeName() : std::string());
}

void TObjEditor::GetSelections(TComponentList*) {}
bool TObjEditor::MethodExists(const std::string&) { return false; }
void TObjEditor::RenameMethod(const std::string&, const std::string&) {}
void TObjEditor::SelectComponent(TPersistent*) {}
void TObjEditor::SetSelections(TComponentList*) {}
void TObjEditor::ShowMethod(const std::string&) {}
std::string TObjEditor::UniqueName(const std::string&) { return {}; }
void TObjEditor::GetComponentNames(PTypeData, const TGetStrProc&) {}
TComponent* TObjEditor::GetComponent(const std::string&) { return nullptr; }
std::string TObjEditor::GetComponentName(TComponent*) { return {}; }
TPersistent* TObjEditor::GetObject(const std::string&) { return nullptr; }

std::string TObjEditor::GetObjectName(TPersistent* Instance) {
  auto* component = dynamic_cast<TComponent*>(Instance);
  return component ? component->Name() : std::string();
}

void TObjEditor::GetObjectNames(PTypeData, const TGetStrProc&) {}
bool TObjEditor::MethodFromAncestor(const TMethod&) { return false; }

TComponent* TObjEditor::CreateComponent(TComponentClass, TComponent*, int32_t, int32_t, int32_t,
                                        int32_t) {
  return nullptr;
}

bool TObjEditor::IsComponentLinkable(TComponent*) { return false; }
void TObjEditor::MakeComponentLinkable(TComponent*) {}
TComponent* TObjEditor::GetRoot() { return nullptr; }
void TObjEditor::Revert(TPersistent*, PPropInfo) {}
bool TObjEditor::GetIsDormant() { return false; }
bool TObjEditor::HasInterface() { return false; }
bool TObjEditor::HasInterfaceMember(const std::string&) { return false; }
void TObjEditor::AddInterfaceMember(const std::string&) {}

void TObjEditor::AddForm(TCustomForm* AForm) {
  Forms.push_back(AForm);
  AForm->SetDesigner(this);
}

void TObjEditor::RemoveForm(TCustomForm* AForm) {
  AForm->SetDesigner(nullptr);
  auto it = std::find(Forms.begin(), Forms.end(), AForm);
  if (it != Forms.end()) Forms.erase(it);
}

void TObjEditor::FreeForms() {
  // A form's destruction may reach back into this designer; take each one
  // out of the list before freeing it.
  while (!Forms.empty()) {
    TCustomForm* form = Forms.back();
    Forms.pop_back();
    form->Free();
  }
}

// ---- TObjInspector: the abstract operations ----------------------------------

namespace {
[[noreturn]] void AbstractCall() { throw EAbstractError("Abstract Error"); }
}  // namespace

TComponent* TObjInspector::GetRoot() { AbstractCall(); }
void TObjInspector::SetRoot(TComponent*) { AbstractCall(); }
TComponentList* TObjInspector::GetSelection() { AbstractCall(); }
TObjEditor* TObjInspector::GetEditor() { AbstractCall(); }
void TObjInspector::SetEditor(TObjEditor*) { AbstractCall(); }
void TObjInspector::RefreshValues() { AbstractCall(); }
void TObjInspector::InspectObject(TPersistent*) { AbstractCall(); }

void TObjInspector::SetSelections(TComponentList* List) {
  if (OnSelectionChanged) OnSelectionChanged(List);
}

void TObjInspector::ClearSelection() { AbstractCall(); }
void TObjInspector::BeginUpdate() { AbstractCall(); }
void TObjInspector::EndUpdate() { AbstractCall(); }
void TObjInspector::GetSelections(TComponentList*) { AbstractCall(); }
void TObjInspector::ComponentRenamed(TComponent*, const std::string&, const std::string&) {
  AbstractCall();
}
