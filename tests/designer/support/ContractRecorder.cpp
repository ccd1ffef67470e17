#include "ContractRecorder.h"

namespace {

std::string NameOf(TPersistent* instance) {
  if (!instance) return "<null>";
  if (auto* component = dynamic_cast<TComponent*>(instance)) return component->Name();
  return instance->ClassName();
}

}  // namespace

std::string NamesOf(const TComponentList* List) {
  std::string names;
  for (int32_t i = 0; List && i < List->Count(); ++i) {
    if (i > 0) names += ",";
    names += NameOf(List->Items(i));
  }
  return names;
}

TRecordingInspector::TRecordingInspector(TComponent* AOwner) : TObjInspector(AOwner) {}

TRecordingInspector::~TRecordingInspector() { delete Selection; }

std::vector<std::string> TRecordingInspector::CallsOf(const std::string& kind) const {
  std::vector<std::string> result;
  for (const std::string& call : Calls) {
    if (call.substr(0, call.find(' ')) == kind) result.push_back(call);
  }
  return result;
}

void TRecordingInspector::SetRoot(TComponent* ARoot) {
  Root = ARoot;
  Calls.push_back("SetRoot " + NameOf(ARoot));
}

void TRecordingInspector::SetEditor(TObjEditor* AEditor) {
  Editor = AEditor;
  if (AEditor) AEditor->Inspector = this;
  Calls.push_back(AEditor ? "SetEditor <set>" : "SetEditor <null>");
}

void TRecordingInspector::RefreshValues() { Calls.push_back("RefreshValues"); }

void TRecordingInspector::InspectObject(TPersistent* Instance) {
  auto* list = new TComponentList;
  if (Instance) list->Add(Instance);
  Replace(list);
  Calls.push_back("InspectObject " + NameOf(Instance));
}

void TRecordingInspector::SetSelections(TComponentList* List) {
  Replace(List);
  Calls.push_back("SetSelections " + NamesOf(List));
  TObjInspector::SetSelections(List);
}

void TRecordingInspector::ClearSelection() {
  Replace(nullptr);
  Calls.push_back("ClearSelection");
}

void TRecordingInspector::BeginUpdate() {
  ++UpdateDepth;
  Calls.push_back("BeginUpdate");
}

void TRecordingInspector::EndUpdate() {
  --UpdateDepth;
  Calls.push_back("EndUpdate");
}

void TRecordingInspector::GetSelections(TComponentList* List) {
  for (int32_t i = 0; Selection && i < Selection->Count(); ++i) List->Add(Selection->Items(i));
}

void TRecordingInspector::ComponentRenamed(TComponent*, const std::string& CurName,
                                           const std::string& NewName) {
  Calls.push_back("ComponentRenamed " + CurName + " " + NewName);
}

void TRecordingInspector::Notification(TComponent* AComponent, TOperation Operation) {
  TObjInspector::Notification(AComponent, Operation);
  // Our own components (none) aside, these are the designer's forwards.
  if (AComponent->Owner() != this) {
    Notifications.push_back((Operation == opInsert ? "Insert " : "Remove ") +
                            AComponent->Name());
  }
}

void TRecordingInspector::Replace(TComponentList* List) {
  if (List == Selection) return;
  delete Selection;
  Selection = List;
}
