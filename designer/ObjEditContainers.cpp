#include "designer/ObjEdit.h"

// Where the containers of non-visual components and the design popup menu
// plug in.

TPopupMenu* TObjectEditor::CreatePopupMenu() { return nullptr; }
void TObjectEditor::ShowPopupMenu(TPoint) {}
void TObjectEditor::CreateContainers() {}
void TObjectEditor::FreeContainers() {}
TEditContainer* TObjectEditor::FindContainer(TComponent*) const { return nullptr; }
void TObjectEditor::PositionLoadedContainers() {}
