#include "platform/controls/dialogs/CommonDialog.h"

#include "platform/controls/menus/MenuItem.h"
#include "platform/rtti/TypInfo.h"

bool TCommonDialog::Run(TModalRequest& request, const std::function<bool()>& show) {
  if (OnShow) OnShow(this);
  bool accepted;
  if (TModalResponder::Answers()) {
    TModalResult result = TModalResponder::Respond(request);
    accepted = result == mrOk || result == mrYes;
  } else {
    accepted = show();
  }
  if (OnClose) OnClose(this);
  return accepted;
}

TModalRequest TCommonDialog::Request(const std::string& title) {
  TModalRequest request;
  request.Kind = mrkDialog;
  request.Dialog = this;
  request.ClassName = ClassName();
  request.Caption = title;
  if (GetPropInfo(this, "Options")) request.Options = GetSetProp(this, "Options", true);
  request.HelpCtx = FHelpContext;
  return request;
}

void TCommonDialog::Publish(TPublisher<TCommonDialog>& p) {
  p.Property("Ctl3D", &TCommonDialog::Ctl3D, &TCommonDialog::SetCtl3D).Default(true);
  p.Property("HelpContext", &TCommonDialog::HelpContext, &TCommonDialog::SetHelpContext)
      .Type(TypeInfoTHelpContext())
      .Default(0);
  p.Event("OnClose", &TCommonDialog::OnClose);
  p.Event("OnShow", &TCommonDialog::OnShow);
}
