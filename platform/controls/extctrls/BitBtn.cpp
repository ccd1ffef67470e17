#include "platform/controls/extctrls/BitBtn.h"

#include <QPushButton>

#include "platform/controls/ControlPublishing.h"
#include "platform/controls/Form.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/DrawFunctions.h"
#include "platform/windows/Painting.h"
#include "platform/windows/QtWindows.h"

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner), FGlyph(new TButtonGlyph) {
  FGlyph->OnChange = [this](TObject*) { Invalidate(); };
}

TBitBtn::~TBitBtn() { delete FGlyph; }

TBitBtnKind TBitBtn::Kind() const {
  if (FKind == bkCustom) return FKind;
  // A kind's values changed by hand make the button a custom one.
  bool defaultKind = FKind == bkOK || FKind == bkYes;
  bool cancelKind = FKind == bkCancel || FKind == bkNo;
  if (defaultKind != Default() || cancelKind != Cancel() || ModalResult() != BitBtnModalResult(FKind) ||
      FModifiedGlyph)
    FKind = bkCustom;
  return FKind;
}

void TBitBtn::SetKind(TBitBtnKind value) {
  if (value != bkCustom) {
    SetDefault(value == bkOK || value == bkYes);
    SetCancel(value == bkCancel || value == bkNo);
    // A caption read from a form file before the kind stays.
    if (!ComponentState().Contains(csLoading) || Caption().empty()) SetCaption(BitBtnCaption(value));
    SetModalResult(BitBtnModalResult(value));
    LoadBitBtnGlyph(value, FGlyph->Glyph());
    FGlyph->SetNumGlyphs(2);
    FModifiedGlyph = false;
  }
  FKind = value;
  Invalidate();
}

bool TBitBtn::IsCustomCaption() const { return Caption() != BitBtnCaption(FKind); }

void TBitBtn::SetGlyph(TBitmap* value) {
  FGlyph->SetGlyph(value);
  FModifiedGlyph = true;
}

void TBitBtn::Click() {
  if (Kind() == bkClose) {
    if (TCustomForm* form = ParentForm()) {
      form->Close();
      return;
    }
  }
  inherited::Click();
}

void TBitBtn::DrawButton(HDC dc) {
  auto* button = qobject_cast<QPushButton*>(WindowWidget(FHandle));
  bool pressed = button && button->isDown();
  TCanvas canvas;
  canvas.SetHandle(dc);
  canvas.SetFont(Font());
  canvas.Brush()->SetColor(clBtnFace);
  TRect r = ClientRect();
  canvas.FillRect(r);
  if (Default() && Enabled()) {
    // The default button's extra dark frame.
    canvas.Brush()->SetColor(clWindowFrame);
    canvas.FrameRect(r);
    InflateRect(r, -1, -1);
  }
  DrawFrameControl(canvas.Handle(), &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  InflateRect(r, -2, -2);
  TPoint offset = pressed ? Point(1, 1) : Point(0, 0);
  TButtonState state = !Enabled() ? bsDisabled : pressed ? bsDown : bsUp;
  TRect text = FGlyph->Draw(&canvas, r, offset, Caption(), state);
  if (Focused()) {
    InflateRect(text, 2, 2);
    canvas.DrawFocusRect(text);
  }
}

void TBitBtn::WMPaint(TMessage& message) {
  // Painted here instead of by the native button, which knows no glyphs.
  TWMPaint paint(message);
  HDC dc = paint.DC();
  PAINTSTRUCT ps;
  if (!dc) dc = BeginPaint(FHandle, &ps);
  DrawButton(dc);
  if (!paint.DC()) EndPaint(FHandle, &ps);
  message.Result = 0;
}

void TBitBtn::CMRepaint(TMessage& message) {
  DispatchFrom(inherited::ClassMessageTable(), message);
  Invalidate();
}

void TBitBtn::Messages(TMessageMap<TBitBtn>& m) {
  m.On<&TBitBtn::WMPaint>(WM_PAINT);
  for (UINT msg : {CM_ENABLEDCHANGED, CM_TEXTCHANGED, CM_FONTCHANGED}) m.On<&TBitBtn::CMRepaint>(msg);
}

void TBitBtn::Publish(TPublisher<TBitBtn>& p) {
  PublishAlign(p);  // bitmap buttons are often aligned in button bars
  p.Property("Cancel", &TButton::Cancel, &TButton::SetCancel).Default(false).Stored(&TBitBtn::IsCustom);
  p.Property("Caption", &TControl::Caption, &TControl::SetCaption)
      .Type(TypeInfoTCaption())
      .Stored(&TBitBtn::IsCustomCaption);
  p.Property("Default", &TButton::Default, &TButton::SetDefault).Default(false).Stored(&TBitBtn::IsCustom);
  p.Property("Glyph", &TBitBtn::Glyph, &TBitBtn::SetGlyph).Stored(&TBitBtn::IsCustom);
  p.Property("Kind", &TBitBtn::Kind, &TBitBtn::SetKind).Default(bkCustom);
  p.Property("Layout", &TBitBtn::Layout, &TBitBtn::SetLayout).Default(blGlyphLeft);
  p.Property("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin).Default(-1);
  p.Property("ModalResult", &TButton::ModalResult, &TButton::SetModalResult)
      .Type(TypeInfoTModalResult())
      .Default(mrNone)
      .Stored(&TBitBtn::IsCustom);
  p.Property("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs).Default(1).Stored(&TBitBtn::IsCustom);
  p.Property("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing).Default(4);
}
