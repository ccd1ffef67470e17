#include "designer/ObjEdit.h"

// Unit state, the designer's lifetime, attaching and detaching, the two
// thread hooks and the window procedures the designer installs.

std::vector<TObjectEditor*> AllDesigners;
bool InModalLoop = false;
HCURSOR ArrowCursor = nullptr;
TActiveDesignerChangeEvent OnActiveDesignerChange;

namespace {
TObjectEditor* FActiveDesigner = nullptr;
}  // namespace

TObjectEditor* ActiveDesigner() { return FActiveDesigner; }
void SetActiveDesigner(TObjectEditor*) {}
TObjectEditor* CreateDesigner(TWinControl*, TObjInspector*) { return nullptr; }
HWND DesignWindowOf(TControl*) { return nullptr; }
void InitializeObjEdit() {}
void FinalizeObjEdit() {}

TObjectEditor::TObjectEditor() {}
TObjectEditor::~TObjectEditor() {}
void TObjectEditor::BeforeDestruction() {}

void TObjectEditor::ValidateRename(TComponent*, const std::string&, const std::string&) {}
void TObjectEditor::GetComponentNames(PTypeData, const TGetStrProc&) {}
TComponent* TObjectEditor::GetComponent(const std::string&) { return nullptr; }
std::string TObjectEditor::GetComponentName(TComponent*) { return {}; }
TComponent* TObjectEditor::GetRoot() { return nullptr; }

void TObjectEditor::CallWndProcHook(CWPSTRUCT&) {}
void TObjectEditor::GetMessageHook(MSG&) {}
void TObjectEditor::CloseRequest(CWPSTRUCT&) {}
void TObjectEditor::EditControlWndProc(TMessage&) {}
void TObjectEditor::FormWndProc(TMessage&) {}
void TObjectEditor::SetEditControl(TWinControl*) {}
bool TObjectEditor::IsDesignWindow(HWND) const { return false; }
void TObjectEditor::RefreshDesignSurface(TControl*) {}
void TObjectEditor::PaintGridDots(HDC, const TRect&) {}
