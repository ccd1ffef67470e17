#include "platform/controls/stdctrls/CustomMemo.h"

#include <QPlainTextEdit>

#include "platform/controls/stdctrls/MemoPublishing.h"
#include "platform/controls/stdctrls/MemoStrings.h"
#include "platform/windows/Handles.h"
#include "platform/windows/QtWindows.h"

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner), FLines(new TMemoStrings(this)) {
  FAutoSize = false;
  FControlStyle.Exclude(csFixedHeight);
  SetBounds(0, 0, 185, 89);
}

TCustomMemo::~TCustomMemo() { delete FLines; }

void TCustomMemo::SetLines(TStrings* value) { FLines->Assign(value); }

void TCustomMemo::SetAlignment(TAlignment value) {
  if (FAlignment == value) return;
  FAlignment = value;
  RecreateWnd();
}

void TCustomMemo::SetScrollBars(TScrollStyle value) {
  if (FScrollBars == value) return;
  FScrollBars = value;
  RecreateWnd();
}

void TCustomMemo::SetWantReturns(bool value) {
  if (FWantReturns == value) return;
  FWantReturns = value;
  RecreateWnd();
}

void TCustomMemo::SetWantTabs(bool value) {
  if (FWantTabs == value) return;
  FWantTabs = value;
  RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool value) {
  if (FWordWrap == value) return;
  FWordWrap = value;
  RecreateWnd();
}

void TCustomMemo::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  params.Style |= ES_MULTILINE;
  params.Style &= ~(ES_AUTOHSCROLL | ES_CENTER | ES_RIGHT);
  if (FWantReturns) params.Style |= ES_WANTRETURN;
  if (FAlignment == taCenter) params.Style |= ES_CENTER;
  if (FAlignment == taRightJustify) params.Style |= ES_RIGHT;
  bool horizontal = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
  bool vertical = FScrollBars == ssVertical || FScrollBars == ssBoth;
  if (horizontal) params.Style |= WS_HSCROLL;
  if (vertical) params.Style |= WS_VSCROLL;
  // Without word wrap, long lines run on to the right.
  if (!FWordWrap) params.Style |= ES_AUTOHSCROLL;
}

QWidget* TCustomMemo::CreateNativeWidget(const TCreateParams& params, QWidget* parent) {
  QWidget* widget = inherited::CreateNativeWidget(params, parent);
  if (auto* multi = qobject_cast<QPlainTextEdit*>(widget)) multi->setTabChangesFocus(!FWantTabs);
  return widget;
}

void TCustomMemo::CMWantSpecialKey(TMessage& message) {
  auto key = static_cast<WORD>(message.WParam);
  message.Result = (key == VK_RETURN && FWantReturns) || (key == VK_TAB && FWantTabs) ? 1 : 0;
}

void TCustomMemo::Messages(TMessageMap<TCustomMemo>& m) {
  m.On<&TCustomMemo::CMWantSpecialKey>(CM_WANTSPECIALKEY);
}

void TMemo::Publish(TPublisher<TMemo>& p) {
  PublishMemo(p, [](const char*) {});
}
