#include "platform/controls/extctrls/StatusBar.h"

#include <algorithm>

#include "platform/graphics/DrawFunctions.h"

namespace {
// The size grip's square in the bottom-right corner.
constexpr int32_t GripSize = 14;
// Between two panels.
constexpr int32_t PanelGap = 2;
}  // namespace

TStatusBar::TStatusBar(TComponent* owner) : TCustomControl(owner), FPanels(new TStatusPanels(this)) {
  FControlStyle = TControlStyle{csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque};
  FColor = clBtnFace;
  FParentColor = false;
  SetBounds(0, 0, 185, 19);
  SetAlign(alBottom);
}

TStatusBar::~TStatusBar() { delete FPanels; }

void TStatusBar::SetSimplePanel(bool value) {
  if (FSimplePanel == value) return;
  FSimplePanel = value;
  Invalidate();
}

void TStatusBar::SetSimpleText(const std::string& value) {
  if (FSimpleText == value) return;
  FSimpleText = value;
  if (FSimplePanel) Invalidate();
}

void TStatusBar::SetSizeGrip(bool value) {
  if (FSizeGrip == value) return;
  FSizeGrip = value;
  Invalidate();
}

TRect TStatusBar::PanelRect(int32_t index) const {
  int32_t right = ClientWidth() - (FSizeGrip ? GripSize : 0);
  int32_t x = 0;
  for (int32_t i = 0; i < index; ++i) x += FPanels->Items(i)->Width() + PanelGap;
  TStatusPanel* panel = FPanels->Items(index);
  int32_t end = index == FPanels->Count() - 1 ? std::max(right, x + panel->Width()) : x + panel->Width();
  return Rect(x, 2, end, ClientHeight());
}

void TStatusBar::DrawTextIn(TRect r, const std::string& text, TAlignment alignment) {
  if (text.empty()) return;
  InflateRect(r, -2, 0);
  UINT align = alignment == taLeftJustify ? DT_LEFT : alignment == taRightJustify ? DT_RIGHT : DT_CENTER;
  DrawText(Canvas()->Handle(), text.c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | align);
}

void TStatusBar::Paint() {
  TCanvas* canvas = Canvas();
  canvas->SetFont(Font());
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(ClientRect());
  canvas->Brush()->SetStyle(bsClear);
  if (FSimplePanel) {
    DrawTextIn(Rect(0, 2, ClientWidth(), ClientHeight()), FSimpleText, taLeftJustify);
  } else {
    for (int32_t i = 0; i < FPanels->Count(); ++i) {
      TStatusPanel* panel = FPanels->Items(i);
      TRect r = PanelRect(i);
      if (panel->Bevel() != pbNone)
        DrawEdge(canvas->Handle(), &r, panel->Bevel() == pbLowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER,
                 BF_RECT | BF_ADJUST);
      if (panel->Style() == psOwnerDraw) {
        if (OnDrawPanel) OnDrawPanel(this, panel, r);
      } else {
        DrawTextIn(r, panel->Text(), panel->Alignment());
      }
    }
  }
  if (FSizeGrip) {
    // Three pairs of diagonal strokes, light above dark, in the corner.
    int32_t w = ClientWidth(), h = ClientHeight();
    for (int32_t i = 0; i < 3; ++i) {
      int32_t d = 4 * i + 3;
      canvas->Pen()->SetColor(clBtnHighlight);
      canvas->MoveTo(w - d - 1, h);
      canvas->LineTo(w, h - d - 1);
      canvas->Pen()->SetColor(clBtnShadow);
      canvas->MoveTo(w - d, h);
      canvas->LineTo(w, h - d);
      canvas->MoveTo(w - d + 1, h);
      canvas->LineTo(w, h - d + 1);
    }
  }
}

void TStatusBar::Publish(TPublisher<TStatusBar>& p) {
  p.Property("Align", &TControl::Align, &TControl::SetAlign).Default(alBottom);
  PublishAnchors(p);
  p.Property("AutoHint", &TStatusBar::AutoHint, &TStatusBar::SetAutoHint).Default(false);
  p.Property("Color", &TControl::Color, &TControl::SetColor)
      .Type(TypeInfoTColor())
      .Default(clBtnFace)
      .Stored(&TControl::IsColorStored);
  PublishEnabled(p);
  PublishFont(p);
  p.Property("Panels", &TStatusBar::Panels, &TStatusBar::SetPanels);
  p.Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(false);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  PublishShowHint(p);
  p.Property("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel).Default(false);
  p.Property("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText);
  p.Property("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip).Default(true);
  PublishVisible(p);
  PublishOnClick(p);
  PublishOnDblClick(p);
  PublishOnMouseDown(p);
  PublishOnMouseMove(p);
  PublishOnMouseUp(p);
  PublishOnResize(p);
  p.Event("OnDrawPanel", &TStatusBar::OnDrawPanel);
}
