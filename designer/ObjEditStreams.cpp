#include "designer/ObjEdit.h"

// The form stream: the designed form as a component resource.

void TObjectEditor::SaveToStream(TStream*) {}
void TObjectEditor::LoadFromStream(TStream*) {}
void TObjectEditor::SaveToFile(const std::string&) {}
void TObjectEditor::LoadFromFile(const std::string&) {}
