#pragma once
// TCustomTabControl: a row of tabs (a real tab bar) above a framed display
// area that holds child controls. Clicking a tab asks CanChange (which asks
// OnChanging) before the tab index moves, and calls Change (OnChange) after;
// setting TabIndex from code fires neither. Aligned children fill the
// display area, not the whole control.
//
// TTabControl publishes it with its Tabs, one tab per string.

#include <cstdint>

#include "platform/classes/Strings.h"
#include "platform/controls/ControlPublishing.h"
#include "platform/controls/CustomControl.h"
#include "platform/controls/Form.h"  // the type information of the changing event's signature

class QTabBar;

enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
MORVANE_ENUM_TYPEINFO(TTabPosition, tpTop, tpBottom, tpLeft, tpRight);
enum TTabStyle { tsTabs, tsButtons, tsFlatButtons };
MORVANE_ENUM_TYPEINFO(TTabStyle, tsTabs, tsButtons, tsFlatButtons);

// The same C++ signature as a form's close query, so the event's own type
// information is given where it is published.
using TTabChangingEvent = TEvent<void(TObject* Sender, bool& AllowChange)>;
PTypeInfo TypeInfoTTabChangingEvent();

class TCustomTabControl : public TCustomControl {
  MORVANE_CLASS(TCustomTabControl, TCustomControl)

 public:
  explicit TCustomTabControl(TComponent* owner);
  ~TCustomTabControl() override;

  TStrings* Tabs() const { return FTabs; }
  void SetTabs(TStrings* value) { FTabs->Assign(value); }
  // -1 when there is no tab.
  int32_t TabIndex() const { return FTabIndex; }
  void SetTabIndex(int32_t value);
  int16_t TabWidth() const { return FTabWidth; }
  void SetTabWidth(int16_t value);
  int16_t TabHeight() const { return FTabHeight; }
  void SetTabHeight(int16_t value);
  bool HotTrack() const { return FHotTrack; }
  void SetHotTrack(bool value);
  // A single row of tabs scrolls instead of wrapping: accepted and streamed,
  // the row does not wrap.
  bool MultiLine() const { return FMultiLine; }
  void SetMultiLine(bool value) { FMultiLine = value; }
  bool ScrollOpposite() const { return FScrollOpposite; }
  void SetScrollOpposite(bool value) { FScrollOpposite = value; }
  TTabPosition TabPosition() const { return FTabPosition; }
  void SetTabPosition(TTabPosition value);
  TTabStyle Style() const { return FStyle; }
  void SetStyle(TTabStyle value);

  // The area inside the frame below (beside) the tabs, in client coordinates.
  TRect DisplayRect() const;
  // The tab's rectangle in client coordinates (empty without a window).
  TRect TabRect(int32_t index) const;
  // The tab under a client point, or -1.
  int32_t IndexOfTabAt(int32_t x, int32_t y) const;

  TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;

 protected:
  // Asked before the user moves to another tab; false keeps the current one.
  virtual bool CanChange();
  // Called after the user moved to another tab.
  virtual void Change();
  // The user picked tab index (CanChange already agreed); the page control
  // turns it into a page.
  virtual void TabPicked(int32_t index);
  // The captions the tab bar shows; the page control shows its visible pages.
  virtual void GetTabCaptions(TStrings* captions) const;
  // Rebuilds the tab bar from GetTabCaptions and the tab index.
  void UpdateTabs();
  void CreateWnd() override;
  void DestroyWnd() override;
  void AlignControls(TControl* control, TRect& rect) override;
  void Paint() override;
  void Resize() override;

  int32_t FTabIndex = -1;

 private:
  int32_t TabRowHeight() const;
  void PlaceTabBar();
  void TabsChanged(TObject* sender);
  void TabBarChanged(int index);
  TStringList* FTabs;
  QTabBar* FTabBar = nullptr;  // a child of the window, gone with it
  bool FSyncing = false;
  int16_t FTabWidth = 0;
  int16_t FTabHeight = 0;
  bool FHotTrack = false;
  bool FMultiLine = false;
  bool FScrollOpposite = false;
  TTabPosition FTabPosition = tpTop;
  TTabStyle FStyle = tsTabs;
};

class TTabControl : public TCustomTabControl {
  MORVANE_CLASS(TTabControl, TCustomTabControl)

 public:
  explicit TTabControl(TComponent* owner) : TCustomTabControl(owner) {}
  static void Publish(TPublisher<TTabControl>& p);
};

// What the tab and page controls publish alike, in streaming order: the look
// of the tab row (between Font and the tabs themselves) ...
template <class T>
void PublishTabsLayout(TPublisher<T>& p) {
  p.Property("HotTrack", &TCustomTabControl::HotTrack, &TCustomTabControl::SetHotTrack).Default(false);
  p.Property("MultiLine", &TCustomTabControl::MultiLine, &TCustomTabControl::SetMultiLine).Default(false);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  p.Property("ScrollOpposite", &TCustomTabControl::ScrollOpposite, &TCustomTabControl::SetScrollOpposite)
      .Default(false);
  PublishShowHint(p);
  p.Property("Style", &TCustomTabControl::Style, &TCustomTabControl::SetStyle).Default(tsTabs);
  p.Property("TabHeight", &TCustomTabControl::TabHeight, &TCustomTabControl::SetTabHeight).Default(0);
  PublishTabOrder(p);
  p.Property("TabPosition", &TCustomTabControl::TabPosition, &TCustomTabControl::SetTabPosition)
      .Default(tpTop);
}

// ... and what follows the tabs: focus, width, visibility and the events.
template <class T>
void PublishTabsBehaviour(TPublisher<T>& p) {
  p.Property("TabStop", &TCustomTabControl::TabStop, &TCustomTabControl::SetTabStop).Default(true);
  p.Property("TabWidth", &TCustomTabControl::TabWidth, &TCustomTabControl::SetTabWidth).Default(0);
  PublishVisible(p);
  p.Event("OnChange", &TCustomTabControl::OnChange);
  p.Event("OnChanging", &TCustomTabControl::OnChanging).Type(TypeInfoTTabChangingEvent());
  PublishOnMouseDown(p);
  PublishOnMouseMove(p);
  PublishOnMouseUp(p);
  PublishOnResize(p);
}
