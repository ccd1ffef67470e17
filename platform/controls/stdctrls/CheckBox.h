#pragma once
// TCheckBox and TRadioButton: native check and radio buttons whose state is
// the control's. A click moves the state on (unchecked, checked, and grayed
// when AllowGrayed); every change of state fires OnClick. A radio button that
// becomes checked unchecks the radio buttons beside it in the same parent.

#include "platform/controls/WinControl.h"
#include "platform/controls/stdctrls/StdCtrlsTypes.h"

class TCheckBox : public TWinControl {
  MORVANE_CLASS(TCheckBox, TWinControl)
  MORVANE_MESSAGE_TABLE(TCheckBox)

 public:
  explicit TCheckBox(TComponent* owner);

  TLeftRight Alignment() const { return FAlignment; }
  void SetAlignment(TLeftRight value);
  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool value) { FAllowGrayed = value; }
  TCheckBoxState State() const { return FState; }
  void SetState(TCheckBoxState value);
  bool Checked() const { return FState == cbChecked; }
  void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
  // The next state of a click.
  void Toggle();

  static void Publish(TPublisher<TCheckBox>& p);

 protected:
  QWidget* CreateNativeWidget(const TCreateParams& params, QWidget* parent) override;
  void CreateWnd() override;
  void CMLookChanged(TMessage& message);

 private:
  TLeftRight FAlignment = taRightJustify;
  bool FAllowGrayed = false;
  TCheckBoxState FState = cbUnchecked;
};

class TRadioButton : public TWinControl {
  MORVANE_CLASS(TRadioButton, TWinControl)
  MORVANE_MESSAGE_TABLE(TRadioButton)

 public:
  explicit TRadioButton(TComponent* owner);

  TLeftRight Alignment() const { return FAlignment; }
  void SetAlignment(TLeftRight value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool value);

  static void Publish(TPublisher<TRadioButton>& p);

 protected:
  QWidget* CreateNativeWidget(const TCreateParams& params, QWidget* parent) override;
  void CreateWnd() override;
  void CMLookChanged(TMessage& message);

 private:
  TLeftRight FAlignment = taRightJustify;
  bool FChecked = false;
};
