#include "platform/controls/extctrls/SpeedButton.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/DrawFunctions.h"

namespace {
// The checkerboard of a button stuck down.
void FillExclusivePattern(TCanvas* canvas, const TRect& r) {
  TBitmap pattern;
  pattern.SetSize(8, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      pattern.Canvas()->SetPixels(x, y, (x + y) % 2 == 0 ? clBtnHighlight : clBtnFace);
  canvas->Brush()->SetBitmap(&pattern);
  canvas->FillRect(r);
  canvas->Brush()->SetBitmap(nullptr);
}
}  // namespace

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner), FGlyph(new TButtonGlyph) {
  // No csClickEvents: the button clicks itself on release, after its group
  // work, and only when the release is inside.
  FControlStyle = TControlStyle{csCaptureMouse, csDoubleClicks};
  FGlyph->OnChange = [this](TObject*) { Invalidate(); };
  SetBounds(0, 0, 23, 22);
}

TSpeedButton::~TSpeedButton() { delete FGlyph; }

void TSpeedButton::Loaded() {
  inherited::Loaded();
  FState = Enabled() ? (FDown ? bsExclusive : bsUp) : bsDisabled;
}

void TSpeedButton::SetAllowAllUp(bool value) {
  if (FAllowAllUp == value) return;
  FAllowAllUp = value;
  UpdateExclusive();
}

void TSpeedButton::SetGroupIndex(int32_t value) {
  if (FGroupIndex == value) return;
  FGroupIndex = value;
  UpdateExclusive();
}

void TSpeedButton::SetDown(bool value) {
  if (FGroupIndex == 0) value = false;
  if (value == FDown) return;
  if (FDown && !FAllowAllUp) return;
  FDown = value;
  FState = value ? bsExclusive : bsUp;
  Invalidate();
  if (value) UpdateExclusive();
}

void TSpeedButton::SetFlat(bool value) {
  if (FFlat == value) return;
  FFlat = value;
  Invalidate();
}

void TSpeedButton::UpdateExclusive() {
  if (FGroupIndex == 0 || !Parent()) return;
  TMessage message{CM_BUTTONPRESSED, static_cast<WPARAM>(FGroupIndex),
                   reinterpret_cast<LPARAM>(this), 0};
  Parent()->Broadcast(message);
}

void TSpeedButton::CMButtonPressed(TMessage& message) {
  if (message.WParam != static_cast<WPARAM>(FGroupIndex)) return;
  auto* sender = reinterpret_cast<TSpeedButton*>(message.LParam);
  if (sender == this) return;
  if (sender->Down() && FDown) {
    FDown = false;
    FState = bsUp;
    Invalidate();
  }
  // The group shares one AllowAllUp: the last one set wins.
  FAllowAllUp = sender->AllowAllUp();
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  inherited::MouseDown(button, shift, x, y);
  if (button != mbLeft || !Enabled()) return;
  if (!FDown) {
    FState = bsDown;
    Invalidate();
  }
  FDragging = true;
}

void TSpeedButton::MouseMove(TShiftState shift, int32_t x, int32_t y) {
  inherited::MouseMove(shift, x, y);
  if (!FDragging) return;
  TButtonState next = bsUp;
  if (!FDown) {
    if (PtInRect(ClientRect(), Point(x, y))) next = bsDown;
  } else {
    next = bsExclusive;
  }
  if (next != FState) {
    FState = next;
    Invalidate();
  }
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  inherited::MouseUp(button, shift, x, y);
  if (!FDragging) return;
  FDragging = false;
  bool inside = PtInRect(ClientRect(), Point(x, y));
  if (FGroupIndex == 0) {
    FState = bsUp;
    FMouseInControl = FMouseInControl && inside;
    Invalidate();
  } else if (inside) {
    SetDown(!FDown);
    if (FDown) Repaint();
  } else {
    if (FDown) FState = bsExclusive;
    Repaint();
  }
  if (inside) Click();
}

void TSpeedButton::CMMouseEnter(TMessage&) {
  if (FMouseInControl || !Enabled()) return;
  FMouseInControl = true;
  if (FFlat) Invalidate();
}

void TSpeedButton::CMMouseLeave(TMessage&) {
  if (!FMouseInControl || FDragging) return;
  FMouseInControl = false;
  if (FFlat) Invalidate();
}

void TSpeedButton::CMEnabledChanged(TMessage&) {
  if (!Enabled()) {
    FMouseInControl = false;
    FDragging = false;
  }
  FState = Enabled() ? (FDown ? bsExclusive : bsUp) : bsDisabled;
  Invalidate();
}

void TSpeedButton::CMTextChanged(TMessage&) { Invalidate(); }

void TSpeedButton::CMFontChanged(TMessage&) { Invalidate(); }

void TSpeedButton::Paint() {
  TCanvas* canvas = Canvas();
  if (!Enabled()) {
    FState = bsDisabled;
    FDragging = false;
  } else if (FState == bsDisabled) {
    FState = FDown && FGroupIndex != 0 ? bsExclusive : bsUp;
  }
  canvas->SetFont(Font());
  canvas->Brush()->SetColor(clBtnFace);
  canvas->Brush()->SetStyle(bsSolid);
  TRect r = Rect(0, 0, Width(), Height());
  bool pressed = FState == bsDown || FState == bsExclusive;
  if (!FFlat) {
    canvas->FillRect(r);
    DrawFrameControl(canvas->Handle(), &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    InflateRect(r, -2, -2);
  } else {
    if (pressed || (FMouseInControl && FState != bsDisabled) || Designing())
      DrawEdge(canvas->Handle(), &r, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    InflateRect(r, -1, -1);
  }
  if (FState == bsExclusive && (!FFlat || !FMouseInControl)) FillExclusivePattern(canvas, r);
  TPoint offset = pressed ? Point(1, 1) : Point(0, 0);
  FGlyph->Draw(canvas, r, offset, Caption(), FState);
}

void TSpeedButton::Messages(TMessageMap<TSpeedButton>& m) {
  m.On<&TSpeedButton::CMButtonPressed>(CM_BUTTONPRESSED);
  m.On<&TSpeedButton::CMMouseEnter>(CM_MOUSEENTER);
  m.On<&TSpeedButton::CMMouseLeave>(CM_MOUSELEAVE);
  m.On<&TSpeedButton::CMEnabledChanged>(CM_ENABLEDCHANGED);
  m.On<&TSpeedButton::CMTextChanged>(CM_TEXTCHANGED);
  m.On<&TSpeedButton::CMFontChanged>(CM_FONTCHANGED);
}

void TSpeedButton::Publish(TPublisher<TSpeedButton>& p) {
  PublishAlign(p);
  p.Property("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp).Default(false);
  PublishAnchors(p);
  p.Property("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex).Default(0);
  p.Property("Down", &TSpeedButton::Down, &TSpeedButton::SetDown).Default(false);
  PublishCaption(p);
  PublishEnabled(p);
  p.Property("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat).Default(false);
  PublishFont(p);
  p.Property("Glyph", &TSpeedButton::Glyph, &TSpeedButton::SetGlyph);
  p.Property("Layout", &TSpeedButton::Layout, &TSpeedButton::SetLayout).Default(blGlyphLeft);
  p.Property("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin).Default(-1);
  p.Property("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs).Default(1);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  PublishShowHint(p);
  p.Property("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing).Default(4);
  PublishVisible(p);
  PublishOnClick(p);
  PublishOnDblClick(p);
  PublishOnMouseDown(p);
  PublishOnMouseMove(p);
  PublishOnMouseUp(p);
}
