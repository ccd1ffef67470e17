#pragma once
// TStatusBar: the strip at the bottom of a window that shows either one
// simple text (SimplePanel) or a row of panels, with a size grip in its
// right corner.

#include "platform/controls/Controls.h"
#include "platform/controls/extctrls/StatusPanel.h"

class TStatusBar;

using TDrawPanelEvent = TEvent<void(TStatusBar* StatusBar, TStatusPanel* Panel, const TRect& Rect)>;
MORVANE_EVENT_TYPEINFO(TDrawPanelEvent,
                       "StatusBar: TStatusBar; Panel: TStatusPanel; const Rect: TRect");

class TStatusBar : public TCustomControl {
  MORVANE_CLASS(TStatusBar, TCustomControl)

 public:
  explicit TStatusBar(TComponent* owner);
  ~TStatusBar() override;

  TStatusPanels* Panels() const { return FPanels; }
  void SetPanels(TStatusPanels* value) { FPanels->Assign(value); }
  bool SimplePanel() const { return FSimplePanel; }
  void SetSimplePanel(bool value);
  const std::string& SimpleText() const { return FSimpleText; }
  void SetSimpleText(const std::string& value);
  bool SizeGrip() const { return FSizeGrip; }
  void SetSizeGrip(bool value);
  bool AutoHint() const { return FAutoHint; }
  void SetAutoHint(bool value) { FAutoHint = value; }

  // Where panel index shows: panels follow each other by their widths, the
  // last one reaching to the right end (short of the size grip).
  TRect PanelRect(int32_t index) const;

  TDrawPanelEvent OnDrawPanel;

  static void Publish(TPublisher<TStatusBar>& p);

 protected:
  void Paint() override;

 private:
  void DrawTextIn(TRect r, const std::string& text, TAlignment alignment);
  TStatusPanels* FPanels;
  bool FSimplePanel = false;
  std::string FSimpleText;
  bool FSizeGrip = true;
  bool FAutoHint = false;
};
