#include "platform/graphics/Graphic.h"

#include "platform/classes/Filer.h"

void TGraphic::SetTransparent(bool value) {
  if (value == FTransparent) return;
  FTransparent = value;
  Changed();
}

void TGraphic::SetModified(bool value) {
  if (value) Changed();
  else FModified = false;
}

void TGraphic::Changed() {
  FModified = true;
  if (OnChange) OnChange(this);
}

void TGraphic::LoadFromFile(const std::string& fileName) {
  TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(stream);
}

void TGraphic::SaveToFile(const std::string& fileName) {
  TFileStream stream(fileName, fmCreate);
  SaveToStream(stream);
}

void TGraphic::DefineProperties(TFiler* filer) {
  filer->DefineBinaryProperty(
      "Data", [this](TStream& s) { ReadData(s); }, [this](TStream& s) { WriteData(s); },
      !Empty());
}
