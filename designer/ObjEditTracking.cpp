#include "designer/ObjEdit.h"

// The drag frame shared by moving, sizing, the rubber band and placing.

void TObjectEditor::BeginMove(HWND, TControl*, TPoint) {}
void TObjectEditor::BeginSelect(HWND, TPoint) {}
void TObjectEditor::BeginSize(HWND, TPoint, TPoint, TPoint, int32_t, int32_t) {}
void TObjectEditor::BeginTracking(HWND, TPoint, TDragKind) {}
void TObjectEditor::EndTracking() {}
void TObjectEditor::CancelTracking() {}
void TObjectEditor::MouseMove(MSG&) {}
void TObjectEditor::LButtonUp(MSG&) {}
void TObjectEditor::MoveSelection(int32_t, int32_t) {}
void TObjectEditor::ResizeSelection(int32_t, int32_t) {}
void TObjectEditor::DrawOutlines(TPoint) {}
void TObjectEditor::DrawBand(TPoint) {}
void TObjectEditor::SelectInBand() {}
void TObjectEditor::ApplySize() {}
TPoint TObjectEditor::SnapPoint(TPoint P) const { return P; }
