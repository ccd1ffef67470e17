#include "platform/controls/MessageDialogs.h"

#include <QMessageBox>
#include <QPushButton>
#include <map>

#include "platform/controls/Application.h"
#include "platform/controls/ModalResponder.h"

namespace {

const char* const ButtonCaptions[] = {"&Yes",     "&No",   "OK",         "Cancel",     "&Abort", "&Retry",
                                      "&Ignore", "&All", "N&o to All", "Yes to &All", "&Help"};

QMessageBox::Icon IconOf(TMsgDlgType type) {
  switch (type) {
    case mtWarning: return QMessageBox::Warning;
    case mtError: return QMessageBox::Critical;
    case mtInformation: return QMessageBox::Information;
    case mtConfirmation: return QMessageBox::Question;
    case mtCustom: return QMessageBox::NoIcon;
  }
  return QMessageBox::NoIcon;
}

TModalResult ShowMessageBox(const std::string& msg, const std::string& caption, TMsgDlgType type,
                            TMsgDlgButtons buttons) {
  QMessageBox box;
  box.setWindowTitle(QString::fromStdString(caption));
  box.setText(QString::fromStdString(msg));
  box.setIcon(IconOf(type));
  std::map<QAbstractButton*, TMsgDlgBtn> made;
  for (int b = mbYes; b <= mbHelp; ++b) {
    auto button = static_cast<TMsgDlgBtn>(b);
    if (!buttons.Contains(button)) continue;
    QMessageBox::ButtonRole role = button == mbCancel ? QMessageBox::RejectRole
                                   : button == mbHelp ? QMessageBox::HelpRole
                                                      : QMessageBox::AcceptRole;
    made[box.addButton(ButtonCaptions[b], role)] = button;
  }
  box.exec();
  auto it = made.find(box.clickedButton());
  return it == made.end() ? mrCancel : MessageDlgButtonResult(it->second);
}

TModalResult Ask(const std::string& msg, const std::string& caption, TMsgDlgType type,
                 TMsgDlgButtons buttons, int32_t helpCtx) {
  if (TModalResponder::Answers()) {
    TModalRequest request;
    request.Kind = mrkMessage;
    request.Caption = caption;
    request.Text = msg;
    request.DlgType = type;
    request.Buttons = buttons;
    request.HelpCtx = helpCtx;
    return TModalResponder::Respond(request);
  }
  return ShowMessageBox(msg, caption, type, buttons);
}

}  // namespace

std::string MessageDlgCaption(TMsgDlgType type) {
  switch (type) {
    case mtWarning: return "Warning";
    case mtError: return "Error";
    case mtInformation: return "Information";
    case mtConfirmation: return "Confirm";
    case mtCustom: break;
  }
  return Application ? Application->Title() : std::string();
}

TModalResult MessageDlgButtonResult(TMsgDlgBtn button) {
  static const TModalResult results[] = {mrYes,    mrNo,  mrOk,      mrCancel,   mrAbort, mrRetry,
                                         mrIgnore, mrAll, mrNoToAll, mrYesToAll, mrNone};
  return results[button];
}

TModalResult MessageDlg(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons,
                        int32_t helpCtx) {
  return Ask(msg, MessageDlgCaption(type), type, buttons, helpCtx);
}

void ShowMessage(const std::string& msg) {
  Ask(msg, MessageDlgCaption(mtCustom), mtCustom, TMsgDlgButtons{mbOK}, 0);
}
