#pragma once
// The published properties and events of a memo, in the platform's order,
// shared by TMemo and the controls built on it. Such a control publishes a
// few more properties among them: Extra(Name) is called just before the
// property Name is published, so a descendant adds its own at their
// alphabetical place ("HideSelection" and "PopupMenu" are asked for).

#include "platform/controls/stdctrls/CustomMemo.h"
#include "platform/controls/stdctrls/StdCtrlsPublishing.h"

template <class T, class Extra>
void PublishMemo(TPublisher<T>& p, Extra&& extra) {
  PublishAlign(p);
  p.Property("Alignment", &TCustomMemo::Alignment, &TCustomMemo::SetAlignment).Default(taLeftJustify);
  PublishAnchors(p);
  p.Property("BorderStyle", &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle)
      .Type(TypeInfoTBorderStyle())
      .Default(bsSingle);
  PublishColor(p);
  PublishEnabled(p);
  PublishFont(p);
  extra("HideSelection");
  p.Property("HideSelection", &TCustomEdit::HideSelection, &TCustomEdit::SetHideSelection).Default(true);
  p.Property("Lines", &TCustomMemo::Lines, &TCustomMemo::SetLines);
  p.Property("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength).Default(0);
  p.Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(false);
  PublishParentFont(p);
  PublishParentShowHint(p);
  extra("PopupMenu");
  PublishPopupMenu(p);
  p.Property("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly).Default(false);
  p.Property("ScrollBars", &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars).Default(ssNone);
  PublishShowHint(p);
  PublishTabOrder(p);
  p.Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(true);
  PublishVisible(p);
  p.Property("WantReturns", &TCustomMemo::WantReturns, &TCustomMemo::SetWantReturns).Default(true);
  p.Property("WantTabs", &TCustomMemo::WantTabs, &TCustomMemo::SetWantTabs).Default(false);
  p.Property("WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap).Default(true);
  p.Event("OnChange", &TCustomEdit::OnChange);
  PublishOnClick(p);
  PublishOnDblClick(p);
  PublishFocusKeyMouseEvents(p);
}
