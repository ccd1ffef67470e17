#include "platform/design/ComponentEditor.h"

#include <memory>
#include <vector>

#include "platform/core/SysUtils.h"
#include "platform/design/ComponentList.h"
#include "platform/design/PropertyRegistry.h"

namespace {

struct TComponentEditorRegistration {
  TComponentClass ComponentClass;
  TComponentEditorClass EditorClass;
};

std::vector<TComponentEditorRegistration>& Registrations() {
  static std::vector<TComponentEditorRegistration> list;
  return list;
}

// The events a double-click prefers, best first.
const char* const PreferredEvents[] = {"OnCreate", "OnChange", "OnClick"};

}  // namespace

void TComponentEditor::Edit() {
  if (GetVerbCount() > 0) ExecuteVerb(0);
}

void TComponentEditor::ExecuteVerb(int32_t) {}

std::string TComponentEditor::GetVerb(int32_t) { return {}; }

int32_t TComponentEditor::GetVerbCount() { return 0; }

void TDefaultEditor::Edit() {
  TComponentList components;
  components.Add(Component());
  bool goOn = true;
  FBest = nullptr;
  FBestRank = static_cast<int>(std::size(PreferredEvents));
  try {
    GetComponentProperties(&components, tkMethods(), Designer(), [&](TPropertyEditor* editor) {
      std::unique_ptr<TPropertyEditor> owned(editor);
      if (!goOn) return;
      bool freeEditor = true;
      EditProperty(editor, goOn, freeEditor);
      if (!freeEditor) (void)owned.release();
    });
  } catch (...) {
    delete FBest;
    FBest = nullptr;
    throw;
  }
  std::unique_ptr<TPropertyEditor> best(FBest);
  FBest = nullptr;
  if (best) best->Edit();
}

void TDefaultEditor::EditProperty(TPropertyEditor* PropertyEditor, bool& Continue, bool& FreeEditor) {
  (void)Continue;
  const std::string name = PropertyEditor->GetName();
  for (int rank = 0; rank < FBestRank; ++rank) {
    if (!SameText(name, PreferredEvents[rank])) continue;
    delete FBest;
    FBest = PropertyEditor;
    FBestRank = rank;
    FreeEditor = false;
    return;
  }
}

void RegisterComponentEditor(TComponentClass ComponentClass, TComponentEditorClass ComponentEditorClass) {
  Registrations().push_back({ComponentClass, ComponentEditorClass});
}

TComponentEditor* GetComponentEditor(TComponent* Component, TFormDesigner* Designer) {
  TComponentEditorClass editorClass = ClassOf<TDefaultEditor>();
  int bestDistance = INT32_MAX;
  for (const TComponentEditorRegistration& r : Registrations()) {
    int distance = 0;
    TClass c = Component->ClassType();
    while (c && c != r.ComponentClass) c = c->ClassParent(), ++distance;
    if (c && distance <= bestDistance) {
      bestDistance = distance;
      editorClass = r.EditorClass;
    }
  }
  if (!editorClass->InheritsFrom(TComponentEditor::StaticClass()))
    ThrowInvalidCast(editorClass->ClassName(), "TComponentEditor");
  auto* editor = static_cast<TComponentEditor*>(editorClass->Create());
  editor->FComponent = Component;
  editor->FDesigner = Designer;
  return editor;
}
