#include "platform/controls/stdctrls/Label.h"

#include "platform/controls/ControlPublishing.h"
#include "platform/controls/WinControl.h"
#include "platform/controls/stdctrls/Button.h"
#include "platform/graphics/DrawFunctions.h"

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  FControlStyle.Include(csOpaque);
  FControlStyle.Include(csReplicatable);
  SetBounds(0, 0, 65, 17);
}

void TLabel::DoDrawText(TRect& rect, UINT flags) {
  std::string text = Caption();
  if ((flags & DT_CALCRECT) && (text.empty() || (FShowAccelChar && text == "&"))) text += " ";
  if (!FShowAccelChar) flags |= DT_NOPREFIX;
  Canvas()->Font()->Assign(Font());
  if (!Enabled()) Canvas()->Font()->SetColor(clGrayText);
  DrawText(Canvas()->Handle(), text.c_str(), -1, &rect, flags);
}

void TLabel::Paint() {
  if (!Transparent()) {
    Canvas()->Brush()->SetColor(Color());
    Canvas()->Brush()->SetStyle(bsSolid);
    Canvas()->FillRect(ClientRect());
  }
  Canvas()->Brush()->SetStyle(bsClear);
  TRect rect = ClientRect();
  UINT flags = FWordWrap ? DT_WORDBREAK : 0;
  flags |= FAlignment == taCenter ? DT_CENTER : FAlignment == taRightJustify ? DT_RIGHT : DT_LEFT;
  if (FLayout != tlTop) {
    // Measure, then move the text down inside the bounds.
    TRect measured = rect;
    DoDrawText(measured, flags | DT_CALCRECT);
    int32_t offset = rect.Height() - measured.Height();
    rect.Top += FLayout == tlBottom ? offset : offset / 2;
  }
  DoDrawText(rect, flags);
}

void TLabel::AdjustBounds() {
  if (!FAutoSize || ComponentState().Contains(csLoading) || ComponentState().Contains(csReading)) return;
  TRect rect = ClientRect();
  if (!FWordWrap) rect.Right = rect.Left;
  DoDrawText(rect, DT_CALCRECT | (FWordWrap ? DT_WORDBREAK : 0));
  int32_t left = FLeft;
  // A right-aligned label keeps its right edge; a centred one its middle.
  if (!FWordWrap && FAlignment == taRightJustify) left += FWidth - rect.Right;
  if (!FWordWrap && FAlignment == taCenter) left += (FWidth - rect.Right) / 2;
  SetBounds(left, FTop, rect.Right, rect.Bottom);
}

void TLabel::Loaded() {
  inherited::Loaded();
  AdjustBounds();
}

void TLabel::SetAlignment(TAlignment value) {
  FAlignment = value;
  Invalidate();
}

void TLabel::SetAutoSize(bool value) {
  FAutoSize = value;
  AdjustBounds();
}

void TLabel::SetFocusControl(TWinControl* value) {
  FFocusControl = value;
  if (value) value->FreeNotification(this);
}

void TLabel::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == opRemove && component == FFocusControl) FFocusControl = nullptr;
}

void TLabel::SetLayout(TTextLayout value) {
  FLayout = value;
  Invalidate();
}

void TLabel::SetShowAccelChar(bool value) {
  FShowAccelChar = value;
  Invalidate();
  AdjustBounds();
}

void TLabel::SetTransparent(bool value) {
  if (value)
    FControlStyle.Exclude(csOpaque);
  else
    FControlStyle.Include(csOpaque);
  Invalidate();
}

void TLabel::SetWordWrap(bool value) {
  FWordWrap = value;
  AdjustBounds();
  Invalidate();
}

void TLabel::CMTextChanged(TMessage&) {
  Invalidate();
  AdjustBounds();
}

void TLabel::CMFontChanged(TMessage&) { AdjustBounds(); }

void TLabel::CMDialogChar(TMessage& message) {
  char c = static_cast<char>(std::toupper(static_cast<int>(message.WParam & 0xFF)));
  message.Result = 0;
  if (!FShowAccelChar || !FFocusControl || c == 0 || AccelCharOf(Caption()) != c) return;
  if (FFocusControl->CanFocus()) {
    FFocusControl->SetFocus();
    message.Result = 1;
  }
}

void TLabel::Messages(TMessageMap<TLabel>& m) {
  m.On<&TLabel::CMTextChanged>(CM_TEXTCHANGED);
  m.On<&TLabel::CMFontChanged>(CM_FONTCHANGED);
  m.On<&TLabel::CMDialogChar>(CM_DIALOGCHAR);
}

void TLabel::Publish(TPublisher<TLabel>& p) {
  PublishAlign(p);
  p.Property("Alignment", &TLabel::Alignment, &TLabel::SetAlignment).Default(taLeftJustify);
  PublishAnchors(p);
  p.Property("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize).Default(true);
  PublishCaption(p);
  PublishColor(p);
  PublishEnabled(p);
  p.Property("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl);
  PublishFont(p);
  p.Property("Layout", &TLabel::Layout, &TLabel::SetLayout).Default(tlTop);
  PublishParentColor(p);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  p.Property("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar).Default(true);
  PublishShowHint(p);
  p.Property("Transparent", &TLabel::Transparent, &TLabel::SetTransparent).Default(false);
  PublishVisible(p);
  p.Property("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap).Default(false);
  PublishOnClick(p);
  PublishOnDblClick(p);
  PublishOnMouseDown(p);
  PublishOnMouseMove(p);
  PublishOnMouseUp(p);
}
