#pragma once
// TCommonDialog: the base of the standard dialogs. Execute shows the dialog
// modally and answers true when the user accepted it. Under a modal
// responder (ModalResponder.h) the responder answers instead: a request of
// kind mrkDialog with the dialog's class, title, filter and options, whose
// Choice carries what the user picked (see each dialog).

#include "platform/classes/Component.h"
#include "platform/controls/ModalResponder.h"

class TCommonDialog : public TComponent {
  MORVANE_CLASS(TCommonDialog, TComponent)

 public:
  explicit TCommonDialog(TComponent* owner) : TComponent(owner) {}

  virtual bool Execute() = 0;

  bool Ctl3D() const { return FCtl3D; }
  void SetCtl3D(bool value) { FCtl3D = value; }
  int32_t HelpContext() const { return FHelpContext; }
  void SetHelpContext(int32_t value) { FHelpContext = value; }

  TNotifyEvent OnShow;
  TNotifyEvent OnClose;

  static void Publish(TPublisher<TCommonDialog>& p);

 protected:
  // Runs the dialog between OnShow and OnClose: the responder's answer when
  // one answers (request gets its choice), else show() on screen.
  bool Run(TModalRequest& request, const std::function<bool()>& show);
  // A request naming this dialog, its title and its Options property.
  TModalRequest Request(const std::string& title);

 private:
  bool FCtl3D = true;
  int32_t FHelpContext = 0;
};
