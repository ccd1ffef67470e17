#include "designer/ObjEdit.h"

// Cut, copy, paste and delete of the selection through the system clipboard.

void TObjectEditor::DeleteSelection() {}
void TObjectEditor::CopyToClipboard() {}
void TObjectEditor::PasteFromClipboard() {}
void TObjectEditor::CutToClipboard() {}
TWinControl* TObjectEditor::PasteParent() const { return nullptr; }
