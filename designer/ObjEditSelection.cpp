#include "designer/ObjEdit.h"

// The selection: which items are selected, their grab and marks, and what the
// inspector is told.

bool TObjectEditor::IsSelected(TControl*) const { return false; }
void TObjectEditor::AddToSelection(TControl*, bool) {}
void TObjectEditor::RemoveFromSelection(TControl*) {}
void TObjectEditor::UnselectAll() {}
void TObjectEditor::KeepSameParent(TControl*) {}
void TObjectEditor::UnselectContainers() {}
void TObjectEditor::NotifySelection() {}
TComponent* TObjectEditor::PrimaryComponent() { return nullptr; }
bool TObjectEditor::IsDesignComponent(TComponent*) const { return false; }
TComponent* TObjectEditor::FindDesignComponent(TComponent*) const { return nullptr; }
TComponent* TObjectEditor::ComponentOf(TControl*) { return nullptr; }
void TObjectEditor::GetSelections(TComponentList*) {}
void TObjectEditor::SelectComponent(TPersistent*) {}
void TObjectEditor::SetSelections(TComponentList*) {}
