#include "platform/controls/stdctrls/Button.h"

#include <QPushButton>
#include <cctype>

#include "platform/controls/stdctrls/StdCtrlsPublishing.h"
#include "platform/controls/Form.h"
#include "platform/controls/stdctrls/NativeLook.h"
#include "platform/windows/QtWindows.h"
#include "platform/windows/Windows.h"

char AccelCharOf(const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
    ++i;  // "&&" is a plain ampersand
  }
  return 0;
}

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  FControlStyle = TControlStyle{csSetCaption, csDoubleClicks};
  FColor = clBtnFace;
  FTabStop = true;
  SetBounds(0, 0, 75, 25);
}

QWidget* TButton::CreateNativeWidget(const TCreateParams&, QWidget* parent) {
  auto* button = new QPushButton(parent);
  button->setAutoDefault(false);
  button->setDefault(FDefault);
  // The native button has its own mouse and Space handling; its click is ours.
  QObject::connect(button, &QPushButton::clicked, [this] { Click(); });
  return button;
}

void TButton::CreateWnd() {
  inherited::CreateWnd();
  ApplyNativeLook(WindowWidget(FHandle), this, ncrButton);
}

void TButton::SetDefault(bool value) {
  FDefault = value;
  if (auto* button = FHandle ? qobject_cast<QPushButton*>(WindowWidget(FHandle)) : nullptr)
    button->setDefault(value);
}

void TButton::Click() {
  if (TCustomForm* form = ParentForm(); form && FModalResult != mrNone) form->SetModalResult(FModalResult);
  inherited::Click();
}

void TButton::CMDialogKey(TMessage& message) {
  auto key = static_cast<WORD>(message.WParam);
  // A focused button takes Enter itself; the Default one takes it otherwise.
  auto* focusedButton = dynamic_cast<TButton*>(FindControl(GetFocus()));
  bool mine = (key == VK_RETURN && (focusedButton ? focusedButton == this : FDefault)) ||
              (key == VK_ESCAPE && FCancel);
  if (mine && CanFocus() && !Designing()) {
    Click();
    message.Result = 1;
    return;
  }
  message.Result = 0;
}

void TButton::CMDialogChar(TMessage& message) {
  char c = static_cast<char>(std::toupper(static_cast<int>(message.WParam & 0xFF)));
  if (c != 0 && AccelCharOf(Caption()) == c && CanFocus() && !Designing()) {
    Click();
    message.Result = 1;
    return;
  }
  message.Result = 0;
}

void TButton::CMLookChanged(TMessage&) {
  if (FHandle) ApplyNativeLook(WindowWidget(FHandle), this, ncrButton);
}

void TButton::Messages(TMessageMap<TButton>& m) {
  m.On<&TButton::CMDialogKey>(CM_DIALOGKEY);
  m.On<&TButton::CMDialogChar>(CM_DIALOGCHAR);
  m.On<&TButton::CMLookChanged>(CM_FONTCHANGED);
  m.On<&TButton::CMLookChanged>(CM_COLORCHANGED);
}

void TButton::Publish(TPublisher<TButton>& p) {
  PublishAnchors(p);
  p.Property("Cancel", &TButton::Cancel, &TButton::SetCancel).Default(false);
  PublishCaption(p);
  p.Property("Default", &TButton::Default, &TButton::SetDefault).Default(false);
  PublishEnabled(p);
  PublishFont(p);
  p.Property("ModalResult", &TButton::ModalResult, &TButton::SetModalResult)
      .Type(TypeInfoTModalResult())
      .Default(mrNone);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  PublishShowHint(p);
  PublishTabOrder(p);
  p.Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(true);
  PublishVisible(p);
  PublishOnClick(p);
  PublishFocusKeyMouseEvents(p);
}
