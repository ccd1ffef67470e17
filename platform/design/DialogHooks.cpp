#include "platform/design/DialogHooks.h"

#include "platform/controls/dialogs/ColorDialog.h"
#include "platform/controls/dialogs/FontDialog.h"
#include "platform/graphics/Font.h"

std::function<bool(TColor& color)> ExecuteColorDialogProc = [](TColor& color) {
  TColorDialog dialog(nullptr);
  dialog.SetColor(color);
  if (!dialog.Execute()) return false;
  color = dialog.Color();
  return true;
};

std::function<bool(TFont* font)> ExecuteFontDialogProc = [](TFont* font) {
  TFontDialog dialog(nullptr);
  dialog.Font()->Assign(font);
  if (!dialog.Execute()) return false;
  font->Assign(dialog.Font());
  return true;
};
