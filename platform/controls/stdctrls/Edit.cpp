#include "platform/controls/stdctrls/Edit.h"

#include "platform/controls/stdctrls/StdCtrlsPublishing.h"

void TEdit::Publish(TPublisher<TEdit>& p) {
  PublishAnchors(p);
  p.Property("AutoSelect", &TCustomEdit::AutoSelect, &TCustomEdit::SetAutoSelect).Default(true);
  p.Property("AutoSize", &TCustomEdit::AutoSize, &TCustomEdit::SetAutoSize).Default(true);
  p.Property("BorderStyle", &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle)
      .Type(TypeInfoTBorderStyle())
      .Default(bsSingle);
  p.Property("CharCase", &TCustomEdit::CharCase, &TCustomEdit::SetCharCase).Default(ecNormal);
  PublishColor(p);
  PublishEnabled(p);
  PublishFont(p);
  p.Property("HideSelection", &TCustomEdit::HideSelection, &TCustomEdit::SetHideSelection).Default(true);
  p.Property("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength).Default(0);
  p.Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(false);
  PublishParentFont(p);
  PublishParentShowHint(p);
  p.Property("PasswordChar", &TCustomEdit::PasswordChar, &TCustomEdit::SetPasswordChar).Default(0);
  PublishPopupMenu(p);
  p.Property("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly).Default(false);
  PublishShowHint(p);
  PublishTabOrder(p);
  p.Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(true);
  p.Property("Text", &TControl::Text, &TControl::SetText).Type(TypeInfoTCaption());
  PublishVisible(p);
  p.Event("OnChange", &TCustomEdit::OnChange);
  PublishOnClick(p);
  PublishOnDblClick(p);
  PublishFocusKeyMouseEvents(p);
}
