#include "platform/controls/dialogs/FontDialog.h"

#include <QFontDialog>
#include <algorithm>

#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"
#include "platform/graphics/QtGraphics.h"

TFontDialog::TFontDialog(TComponent* owner) : TCommonDialog(owner), FFont(new TFont) {}

TFontDialog::~TFontDialog() { delete FFont; }

int32_t TFontDialog::LimitSize(int32_t size) const {
  if (!FOptions.Contains(fdLimitSize)) return size;
  if (FMinFontSize > 0) size = std::max(size, FMinFontSize);
  if (FMaxFontSize > 0) size = std::min(size, FMaxFontSize);
  return size;
}

bool TFontDialog::Execute() {
  TModalRequest request = Request("Font");
  if (!Run(request, [this] { return ShowQtDialog(); })) return false;
  if (TModalResponder::Answers()) {
    if (request.Choice.empty()) return false;
    FFont->SetName(request.Choice[0]);
    if (request.Choice.size() > 1) {
      int32_t size;
      if (!TryStrToInt(request.Choice[1], size) || size <= 0)
        throw EConvertError("\"" + request.Choice[1] + "\" is not a font size");
      FFont->SetSize(LimitSize(size));
    }
  }
  return true;
}

bool TFontDialog::ShowQtDialog() {
  QFontDialog dialog(FontToQFont(*FFont));
  dialog.setWindowTitle("Font");
  dialog.setOption(QFontDialog::DontUseNativeDialog);
  if (FOptions.Contains(fdFixedPitchOnly)) dialog.setOption(QFontDialog::MonospacedFonts);
  if (FOptions.Contains(fdScalableOnly)) dialog.setOption(QFontDialog::ScalableFonts);
  if (dialog.exec() != QDialog::Accepted) return false;
  QFont chosen = dialog.selectedFont();
  FFont->SetName(chosen.family().toStdString());
  if (chosen.pointSize() > 0) FFont->SetSize(LimitSize(chosen.pointSize()));
  TFontStyles style;
  if (chosen.bold()) style.Include(fsBold);
  if (chosen.italic()) style.Include(fsItalic);
  if (FOptions.Contains(fdEffects)) {
    if (chosen.underline()) style.Include(fsUnderline);
    if (chosen.strikeOut()) style.Include(fsStrikeOut);
  }
  FFont->SetStyle(style);
  return true;
}

void TFontDialog::Publish(TPublisher<TFontDialog>& p) {
  p.Property("Font", &TFontDialog::Font, &TFontDialog::SetFont);
  p.Property("Device", &TFontDialog::Device, &TFontDialog::SetDevice).Default(fdScreen);
  p.Property("MinFontSize", &TFontDialog::MinFontSize, &TFontDialog::SetMinFontSize);
  p.Property("MaxFontSize", &TFontDialog::MaxFontSize, &TFontDialog::SetMaxFontSize);
  p.Property("Options", &TFontDialog::Options, &TFontDialog::SetOptions)
      .Default(static_cast<int32_t>(TFontDialogOptions{fdEffects}.ToOrdinal()));
  p.Event("OnApply", &TFontDialog::OnApply);
}
