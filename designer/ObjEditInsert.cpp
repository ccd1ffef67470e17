#include "designer/ObjEdit.h"

// Placing new components, unique names and the designer's view of components
// arriving in and leaving the form.

std::string ComponentBaseName(TComponentClass) { return {}; }
std::string UniqueComponentName(TComponent*, const std::string&) { return {}; }
void TObjectEditor::SetInsertClass(TControl*, TComponentClass) {}
void TObjectEditor::CancelInsert(bool) {}
void TObjectEditor::InsertAtPress(TControl*, HWND, TPoint) {}
void TObjectEditor::BeginInsert(HWND, TPoint) {}
void TObjectEditor::PlaceNewComponent() {}
TComponent* TObjectEditor::CreateComponentAt(TWinControl*, TComponentClass, const TRect&) {
  return nullptr;
}
TComponent* TObjectEditor::CreateComponent(TComponentClass, TComponent*, int32_t, int32_t,
                                           int32_t, int32_t) {
  return nullptr;
}
std::string TObjectEditor::UniqueName(const std::string&) { return {}; }
bool TObjectEditor::NameExists(const std::string&) { return false; }
void TObjectEditor::Notification(TPersistent*, TOperation) {}
