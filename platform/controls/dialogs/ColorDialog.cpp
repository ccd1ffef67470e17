#include "platform/controls/dialogs/ColorDialog.h"

#include <QColorDialog>

#include "platform/core/SysUtils.h"
#include "platform/graphics/QtGraphics.h"

TColorDialog::TColorDialog(TComponent* owner) : TCommonDialog(owner), FCustomColors(new TStringList) {}

TColorDialog::~TColorDialog() { delete FCustomColors; }

bool TColorDialog::Execute() {
  TModalRequest request = Request("Color");
  if (!Run(request, [this] { return ShowQtDialog(); })) return false;
  if (TModalResponder::Answers()) {
    if (request.Choice.empty()) return false;
    FColor = StringToColor(request.Choice[0]);
  }
  return true;
}

bool TColorDialog::ShowQtDialog() {
  // The custom boxes in order ColorA ... ColorP; hex values are the colour's
  // number as written in form files.
  for (int i = 0; i < FCustomColors->Count() && i < QColorDialog::customCount(); ++i) {
    std::string value = FCustomColors->ValueFromIndex(i);
    int64_t number;
    if (TryStrToInt64("$" + value, number) && number != 0xFFFFFFFF)
      QColorDialog::setCustomColor(i, ColorToQColor(static_cast<TColor>(number)));
  }
  QColorDialog dialog(ColorToQColor(FColor));
  dialog.setWindowTitle("Color");
  if (dialog.exec() != QDialog::Accepted) return false;
  FColor = QColorToColor(dialog.selectedColor());
  return true;
}

void TColorDialog::Publish(TPublisher<TColorDialog>& p) {
  p.Property("Color", &TColorDialog::Color, &TColorDialog::SetColor).Type(TypeInfoTColor()).Default(clBlack);
  p.Property("CustomColors", &TColorDialog::CustomColors, &TColorDialog::SetCustomColors);
  p.Property("Options", &TColorDialog::Options, &TColorDialog::SetOptions).Default(0);
}
