#include "platform/controls/stdctrls/CheckBox.h"

#include <QCheckBox>
#include <QRadioButton>

#include "platform/controls/stdctrls/StdCtrlsPublishing.h"
#include "platform/controls/stdctrls/NativeLook.h"
#include "platform/windows/QtWindows.h"

namespace {

// Native buttons that leave the next state to their control.
class QControlCheckBox : public QCheckBox {
 public:
  QControlCheckBox(TCheckBox* control, QWidget* parent) : QCheckBox(parent), FControl(control) {}

 protected:
  void nextCheckState() override { FControl->Toggle(); }

 private:
  TCheckBox* FControl;
};

class QControlRadioButton : public QRadioButton {
 public:
  QControlRadioButton(TRadioButton* control, QWidget* parent) : QRadioButton(parent), FControl(control) {
    setAutoExclusive(false);
  }

 protected:
  void nextCheckState() override { FControl->SetChecked(true); }

 private:
  TRadioButton* FControl;
};

Qt::CheckState QtState(TCheckBoxState state) {
  return state == cbChecked ? Qt::Checked : state == cbGrayed ? Qt::PartiallyChecked : Qt::Unchecked;
}

void SetBoxSide(QWidget* widget, TLeftRight alignment) {
  widget->setLayoutDirection(alignment == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
}

template <class T>
void PublishButtonCommon(TPublisher<T>& p) {
  PublishCaption(p);
  PublishColor(p);
  PublishEnabled(p);
  PublishFont(p);
  PublishParentColor(p);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  PublishShowHint(p);
  PublishTabOrder(p);
}

template <class T>
void PublishButtonEvents(TPublisher<T>& p) {
  PublishOnClick(p);
  PublishFocusKeyMouseEvents(p);
}

}  // namespace

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner) {
  FControlStyle = TControlStyle{csSetCaption, csDoubleClicks};
  FTabStop = true;
  SetBounds(0, 0, 97, 17);
}

QWidget* TCheckBox::CreateNativeWidget(const TCreateParams&, QWidget* parent) {
  auto* box = new QControlCheckBox(this, parent);
  box->setTristate(true);
  box->setCheckState(QtState(FState));
  SetBoxSide(box, FAlignment);
  return box;
}

void TCheckBox::CreateWnd() {
  inherited::CreateWnd();
  ApplyNativeLook(WindowWidget(FHandle), this, ncrWindow);
}

void TCheckBox::SetAlignment(TLeftRight value) {
  FAlignment = value;
  if (FHandle) SetBoxSide(WindowWidget(FHandle), value);
}

void TCheckBox::SetState(TCheckBoxState value) {
  if (FState == value) return;
  FState = value;
  if (auto* box = FHandle ? qobject_cast<QCheckBox*>(WindowWidget(FHandle)) : nullptr)
    box->setCheckState(QtState(value));
  if (!ComponentState().Contains(csLoading)) Click();
}

void TCheckBox::Toggle() {
  switch (FState) {
    case cbUnchecked: SetState(FAllowGrayed ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
  }
}

void TCheckBox::CMLookChanged(TMessage&) {
  if (FHandle) ApplyNativeLook(WindowWidget(FHandle), this, ncrWindow);
}

void TCheckBox::Messages(TMessageMap<TCheckBox>& m) {
  m.On<&TCheckBox::CMLookChanged>(CM_FONTCHANGED);
  m.On<&TCheckBox::CMLookChanged>(CM_COLORCHANGED);
}

void TCheckBox::Publish(TPublisher<TCheckBox>& p) {
  p.Property("Alignment", &TCheckBox::Alignment, &TCheckBox::SetAlignment)
      .Type(TypeInfoTLeftRight())
      .Default(taRightJustify);
  p.Property("AllowGrayed", &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed).Default(false);
  PublishAnchors(p);
  p.Property("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked).Stored(false);
  PublishButtonCommon(p);
  p.Property("State", &TCheckBox::State, &TCheckBox::SetState).Default(cbUnchecked);
  p.Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(true);
  PublishVisible(p);
  PublishButtonEvents(p);
}

TRadioButton::TRadioButton(TComponent* owner) : TWinControl(owner) {
  FControlStyle = TControlStyle{csSetCaption, csDoubleClicks};
  SetBounds(0, 0, 113, 17);
}

QWidget* TRadioButton::CreateNativeWidget(const TCreateParams&, QWidget* parent) {
  auto* radio = new QControlRadioButton(this, parent);
  radio->setChecked(FChecked);
  SetBoxSide(radio, FAlignment);
  return radio;
}

void TRadioButton::CreateWnd() {
  inherited::CreateWnd();
  ApplyNativeLook(WindowWidget(FHandle), this, ncrWindow);
}

void TRadioButton::SetAlignment(TLeftRight value) {
  FAlignment = value;
  if (FHandle) SetBoxSide(WindowWidget(FHandle), value);
}

void TRadioButton::SetChecked(bool value) {
  if (FChecked == value) return;
  FChecked = value;
  FTabStop = value;
  if (auto* radio = FHandle ? qobject_cast<QRadioButton*>(WindowWidget(FHandle)) : nullptr)
    radio->setChecked(value);
  if (!value) return;
  if (FParent)
    for (int32_t i = 0; i < FParent->ControlCount(); ++i)
      if (auto* sibling = dynamic_cast<TRadioButton*>(FParent->Controls(i)); sibling && sibling != this)
        sibling->SetChecked(false);
  if (!ComponentState().Contains(csLoading)) Click();
}

void TRadioButton::CMLookChanged(TMessage&) {
  if (FHandle) ApplyNativeLook(WindowWidget(FHandle), this, ncrWindow);
}

void TRadioButton::Messages(TMessageMap<TRadioButton>& m) {
  m.On<&TRadioButton::CMLookChanged>(CM_FONTCHANGED);
  m.On<&TRadioButton::CMLookChanged>(CM_COLORCHANGED);
}

void TRadioButton::Publish(TPublisher<TRadioButton>& p) {
  p.Property("Alignment", &TRadioButton::Alignment, &TRadioButton::SetAlignment)
      .Type(TypeInfoTLeftRight())
      .Default(taRightJustify);
  PublishAnchors(p);
  PublishButtonCommon(p);
  p.Property("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked).Default(false);
  PublishTabStop(p);
  PublishVisible(p);
  PublishButtonEvents(p);
}
