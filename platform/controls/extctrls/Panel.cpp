#include "platform/controls/extctrls/Panel.h"

#include "platform/graphics/DrawFunctions.h"

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
  FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption,
                                csOpaque, csDoubleClicks, csReplicatable};
  FColor = clBtnFace;
  FParentColor = false;
  SetBounds(0, 0, 185, 41);
}

int32_t TPanel::FrameWidth() const {
  int32_t width = FBorderWidth;
  if (FBorderStyle == bsSingle) ++width;
  if (FBevelOuter != bvNone) width += FBevelWidth;
  if (FBevelInner != bvNone) width += FBevelWidth;
  return width;
}

void TPanel::AlignControls(TControl* control, TRect& rect) {
  int32_t frame = FrameWidth();
  InflateRect(rect, -frame, -frame);
  inherited::AlignControls(control, rect);
}

void TPanel::FrameChanged() {
  Realign();
  Invalidate();
}

void TPanel::SetAlignment(TAlignment value) {
  if (FAlignment == value) return;
  FAlignment = value;
  Invalidate();
}

void TPanel::SetBevelInner(TBevelCut value) {
  if (FBevelInner == value) return;
  FBevelInner = value;
  FrameChanged();
}

void TPanel::SetBevelOuter(TBevelCut value) {
  if (FBevelOuter == value) return;
  FBevelOuter = value;
  FrameChanged();
}

void TPanel::SetBevelWidth(TBevelWidth value) {
  if (value < 1) value = 1;
  if (FBevelWidth == value) return;
  FBevelWidth = value;
  FrameChanged();
}

void TPanel::SetBorderWidth(TBorderWidth value) {
  if (value < 0) value = 0;
  if (FBorderWidth == value) return;
  FBorderWidth = value;
  FrameChanged();
}

void TPanel::SetBorderStyle(TBorderStyle value) {
  if (value != bsNone) value = bsSingle;
  if (FBorderStyle == value) return;
  FBorderStyle = value;
  FrameChanged();
}

void TPanel::SetParentBackground(bool value) {
  if (FParentBackground == value) return;
  FParentBackground = value;
  Invalidate();
}

void TPanel::SetShowCaption(bool value) {
  if (FShowCaption == value) return;
  FShowCaption = value;
  Invalidate();
}

void TPanel::Paint() {
  TCanvas* canvas = Canvas();
  TRect r = ClientRect();
  if (FBorderStyle == bsSingle) Frame3D(canvas, r, clWindowFrame, clWindowFrame, 1);
  auto bevel = [&](TBevelCut cut) {
    if (cut == bvNone) return;
    if (cut == bvSpace) {
      Frame3D(canvas, r, Color(), Color(), FBevelWidth);
      return;
    }
    bool lowered = cut == bvLowered;
    Frame3D(canvas, r, lowered ? clBtnShadow : clBtnHighlight, lowered ? clBtnHighlight : clBtnShadow,
            FBevelWidth);
  };
  bevel(FBevelOuter);
  Frame3D(canvas, r, Color(), Color(), FBorderWidth);
  bevel(FBevelInner);
  canvas->Brush()->SetColor(Color());
  canvas->Brush()->SetStyle(bsSolid);
  canvas->FillRect(r);
  if (!FShowCaption) return;
  std::string caption = Caption();
  if (caption.empty()) return;
  canvas->Brush()->SetStyle(bsClear);
  canvas->SetFont(Font());
  int32_t textHeight = canvas->TextHeight("W");
  r.Top = (r.Bottom + r.Top - textHeight) / 2;
  r.Bottom = r.Top + textHeight;
  UINT align = FAlignment == taLeftJustify ? DT_LEFT : FAlignment == taRightJustify ? DT_RIGHT : DT_CENTER;
  DrawText(canvas->Handle(), caption.c_str(), -1, &r, DT_EXPANDTABS | DT_VCENTER | DT_SINGLELINE | align);
}

void TPanel::Publish(TPublisher<TPanel>& p) {
  PublishAlign(p);
  p.Property("Alignment", &TPanel::Alignment, &TPanel::SetAlignment).Default(taCenter);
  PublishAnchors(p);
  p.Property("BevelInner", &TPanel::BevelInner, &TPanel::SetBevelInner).Default(bvNone);
  p.Property("BevelKind", &TPanel::BevelKind, &TPanel::SetBevelKind).Default(bkNone);
  p.Property("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter).Default(bvRaised);
  p.Property("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth).Default(1);
  p.Property("BorderWidth", &TPanel::BorderWidth, &TPanel::SetBorderWidth).Default(0);
  p.Property("BorderStyle", &TPanel::BorderStyle, &TPanel::SetBorderStyle)
      .Type(TypeInfoTBorderStyle())
      .Default(bsNone);
  PublishCaption(p);
  p.Property("Color", &TControl::Color, &TControl::SetColor)
      .Type(TypeInfoTColor())
      .Default(clBtnFace)
      .Stored(&TControl::IsColorStored);
  PublishEnabled(p);
  p.Property("FullRepaint", &TPanel::FullRepaint, &TPanel::SetFullRepaint).Default(true);
  PublishFont(p);
  p.Property("Locked", &TPanel::Locked, &TPanel::SetLocked).Default(false);
  p.Property("ParentBackground", &TPanel::ParentBackground, &TPanel::SetParentBackground).Default(true);
  p.Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(false);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  p.Property("ShowCaption", &TPanel::ShowCaption, &TPanel::SetShowCaption).Default(true);
  PublishShowHint(p);
  PublishTabOrder(p);
  PublishTabStop(p);
  PublishVisible(p);
  PublishOnClick(p);
  PublishOnDblClick(p);
  PublishOnMouseDown(p);
  PublishOnMouseMove(p);
  PublishOnMouseUp(p);
  PublishOnResize(p);
}
