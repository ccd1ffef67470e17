#include "platform/controls/extctrls/RichEdit.h"

#include "platform/controls/ControlPublishing.h"
#include "platform/classes/Strings.h"
#include "platform/controls/Form.h"

TRichEdit::TRichEdit(TComponent* owner) : TCustomMemo(owner) { SetBounds(0, 0, 185, 89); }

void TRichEdit::Publish(TPublisher<TRichEdit>& p) {
  PublishAlign(p);
  p.Property("Alignment", &TCustomMemo::Alignment, &TCustomMemo::SetAlignment).Default(taLeftJustify);
  PublishAnchors(p);
  p.Property("BorderStyle", &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle)
      .Type(TypeInfoTBorderStyle())
      .Default(bsSingle);
  PublishColor(p);
  PublishEnabled(p);
  PublishFont(p);
  p.Property("HideScrollBars", &TRichEdit::HideScrollBars, &TRichEdit::SetHideScrollBars).Default(true);
  p.Property("HideSelection", &TCustomEdit::HideSelection, &TCustomEdit::SetHideSelection).Default(true);
  p.Property("Lines", &TCustomMemo::Lines, &TCustomMemo::SetLines);
  p.Property("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength).Default(0);
  p.Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(false);
  PublishParentFont(p);
  PublishParentShowHint(p);
  p.Property("PlainText", &TRichEdit::PlainText, &TRichEdit::SetPlainText).Default(false);
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
  p.Event("OnEnter", &TWinControl::OnEnter);
  p.Event("OnExit", &TWinControl::OnExit);
  PublishOnKeyDown(p);
  PublishOnKeyPress(p);
  PublishOnKeyUp(p);
  PublishOnMouseDown(p);
  PublishOnMouseMove(p);
  PublishOnMouseUp(p);
}
