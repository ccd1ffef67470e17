#pragma once
// Message boxes: MessageDlg and ShowMessage. On screen they are Qt message
// boxes with the platform's captions ("Error", "Confirm", "Warning",
// "Information"); under a modal responder (ModalResponder.h) the responder
// answers them.

#include <string>

#include "platform/controls/ControlTypes.h"

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
MORVANE_ENUM_TYPEINFO(TMsgDlgType, mtWarning, mtError, mtInformation, mtConfirmation, mtCustom);

enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
MORVANE_ENUM_TYPEINFO(TMsgDlgBtn, mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll,
                      mbNoToAll, mbYesToAll, mbHelp);
using TMsgDlgButtons = TSet<TMsgDlgBtn>;
MORVANE_SET_TYPEINFO(TMsgDlgButtons, TMsgDlgBtn);

inline const TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
inline const TMsgDlgButtons mbYesAllNoAllCancel{mbYes, mbYesToAll, mbNo, mbNoToAll, mbCancel};
inline const TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
inline const TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};

// The caption of a message box of that type ("Error" ...); the application's
// title for mtCustom.
std::string MessageDlgCaption(TMsgDlgType type);
// The modal result a button gives.
TModalResult MessageDlgButtonResult(TMsgDlgBtn button);

// Shows msg and answers the modal result of the button chosen.
TModalResult MessageDlg(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons,
                        int32_t helpCtx);
// An information box with an OK button, titled with the application's title.
void ShowMessage(const std::string& msg);
