#include "designer/ObjEdit.h"

// The grab handles around a single selected item and the corner marks of a
// multi-selection.

TGrabHandle::TGrabHandle(TEditGrab* AGrab, int32_t APosition)
    : TWinControl(AGrab), Position(APosition), FGrab(AGrab) {}
void TGrabHandle::Messages(TMessageMap<TGrabHandle>&) {}
void TGrabHandle::CreateHandle() { TWinControl::CreateHandle(); }
void TGrabHandle::WMLButtonDown(TMessage&) {}

TEditGrab::TEditGrab(TObjectEditor* ADesigner) : TComponent(nullptr), Designer(ADesigner) {}
TEditGrab::~TEditGrab() {}
void TEditGrab::SetControl(TControl*) {}
void TEditGrab::SetVisible(bool) {}
void TEditGrab::Reposition() {}
void TEditGrab::BringHandlesToFront() {}
void TEditGrab::ControlWndProc(TMessage&) {}

TEditSelector::TEditSelector(TObjectEditor* ADesigner, TControl* AItem)
    : Designer(ADesigner), Control(AItem) {}
void TEditSelector::WndProc(TMessage&) {}

void FillCornerMarks(HDC, const TRect&, TColor) {}
void TObjectEditor::DrawSelectionMarks(TControl*) {}
void TObjectEditor::EraseSelectionMarks(TControl*) {}
