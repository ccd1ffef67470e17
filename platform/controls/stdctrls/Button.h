#pragma once
// TButton: a push button. Clicking it (mouse, Space, or Enter / Escape for
// the form's Default / Cancel button through CM_DIALOGKEY) fires OnClick; a
// button with a ModalResult first gives the form that result, which closes a
// modal form. The caption marks its accelerator with '&' ("&&" for '&').

#include "platform/controls/WinControl.h"

class TButton : public TWinControl {
  MORVANE_CLASS(TButton, TWinControl)
  MORVANE_MESSAGE_TABLE(TButton)

 public:
  explicit TButton(TComponent* owner);

  bool Default() const { return FDefault; }
  void SetDefault(bool value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool value) { FCancel = value; }
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult value) { FModalResult = value; }

  void Click() override;
  static void Publish(TPublisher<TButton>& p);

 protected:
  QWidget* CreateNativeWidget(const TCreateParams& params, QWidget* parent) override;
  void CreateWnd() override;
  void CMDialogKey(TMessage& message);
  void CMDialogChar(TMessage& message);
  // Font or colour changed: the native button shows them.
  void CMLookChanged(TMessage& message);

 private:
  bool FDefault = false;
  bool FCancel = false;
  TModalResult FModalResult = mrNone;
};

// The character after the single '&' of a caption, upper case; 0 when none.
char AccelCharOf(const std::string& caption);
