#include "designer/ObjEdit.h"

// What the designer does with the presses and key strokes the hooks hand it.

TControl* TObjectEditor::ControlAtPoint(HWND, TPoint) { return nullptr; }
void TObjectEditor::LButtonDown(MSG&) {}
void TObjectEditor::RButtonDown(MSG&) {}
void TObjectEditor::LButtonDblClk(MSG&) {}
void TObjectEditor::KeyDown(MSG&) {}
void TObjectEditor::SelectNeighbour(bool) {}
