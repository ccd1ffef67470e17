#include "platform/controls/dialogs/FindDialog.h"

#include <QInputDialog>

bool TFindDialog::Execute() {
  TModalRequest request = Request(Replacing() ? "Replace" : "Find");
  request.Text = FFindText;
  auto ask = [this](const char* label, std::string& text) {
    bool ok = false;
    QString answer = QInputDialog::getText(nullptr, Replacing() ? "Replace" : "Find", label, QLineEdit::Normal,
                                           QString::fromStdString(text), &ok);
    if (ok) text = answer.toStdString();
    return ok;
  };
  std::string find = FFindText;
  std::string replace = FReplaceText;
  bool accepted = Run(request, [&] { return ask("Find what:", find) && (!Replacing() || ask("Replace with:", replace)); });
  if (!accepted) return false;
  if (TModalResponder::Answers()) {
    if (request.Choice.empty()) return false;
    find = request.Choice[0];
    if (request.Choice.size() > 1) replace = request.Choice[1];
  }
  FFindText = find;
  FReplaceText = replace;
  Accepted();
  return true;
}

void TFindDialog::Accepted() {
  FOptions.Include(frFindNext);
  if (OnFind) OnFind(this);
}

void TReplaceDialog::Accepted() {
  SetOptions(Options() + TFindOptions{frReplace});
  if (OnReplace) OnReplace(this);
}

void TFindDialog::Publish(TPublisher<TFindDialog>& p) {
  p.Property("FindText", &TFindDialog::FindText, &TFindDialog::SetFindText);
  p.Property("Options", &TFindDialog::Options, &TFindDialog::SetOptions)
      .Default(static_cast<int32_t>(TFindOptions{frDown}.ToOrdinal()));
  p.Event("OnFind", &TFindDialog::OnFind);
}

void TReplaceDialog::Publish(TPublisher<TReplaceDialog>& p) {
  p.Property("ReplaceText", &TReplaceDialog::ReplaceText, &TReplaceDialog::SetReplaceText);
  p.Event("OnReplace", &TReplaceDialog::OnReplace);
}
