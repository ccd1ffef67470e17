#include "platform/controls/extctrls/StatusPanel.h"

#include "platform/controls/extctrls/StatusBar.h"

TStatusPanel::TStatusPanel(TCollection* collection) : TCollectionItem(collection) {}

void TStatusPanel::Assign(TPersistent* source) {
  if (auto* panel = dynamic_cast<TStatusPanel*>(source)) {
    FAlignment = panel->FAlignment;
    FBevel = panel->FBevel;
    FStyle = panel->FStyle;
    FText = panel->FText;
    FWidth = panel->FWidth;
    Changed(false);
    return;
  }
  inherited::Assign(source);
}

std::string TStatusPanel::DisplayName() const {
  return FText.empty() ? inherited::DisplayName() : FText;
}

void TStatusPanel::SetAlignment(TAlignment value) {
  if (FAlignment == value) return;
  FAlignment = value;
  Changed(false);
}

void TStatusPanel::SetBevel(TStatusPanelBevel value) {
  if (FBevel == value) return;
  FBevel = value;
  Changed(false);
}

void TStatusPanel::SetStyle(TStatusPanelStyle value) {
  if (FStyle == value) return;
  FStyle = value;
  Changed(false);
}

void TStatusPanel::SetText(const std::string& value) {
  if (FText == value) return;
  FText = value;
  Changed(false);
}

void TStatusPanel::SetWidth(int32_t value) {
  if (FWidth == value) return;
  FWidth = value;
  Changed(true);
}

void TStatusPanel::Publish(TPublisher<TStatusPanel>& p) {
  p.Property("Alignment", &TStatusPanel::Alignment, &TStatusPanel::SetAlignment).Default(taLeftJustify);
  p.Property("Bevel", &TStatusPanel::Bevel, &TStatusPanel::SetBevel).Default(pbLowered);
  p.Property("Style", &TStatusPanel::Style, &TStatusPanel::SetStyle).Default(psText);
  p.Property("Text", &TStatusPanel::Text, &TStatusPanel::SetText);
  p.Property("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth);
}

TStatusPanels::TStatusPanels(TStatusBar* statusBar)
    : TOwnedCollection(statusBar, TStatusPanel::StaticClass()), FStatusBar(statusBar) {}

void TStatusPanels::Update(TCollectionItem*) { FStatusBar->Invalidate(); }
