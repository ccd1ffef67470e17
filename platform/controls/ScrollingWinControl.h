#pragma once
// TScrollingWinControl: a windowed control whose contents scroll. Each scroll
// bar keeps a Range (the size of the contents) and a Position; the window's
// scroll state (GetScrollPos on the handle) follows them, and moving the
// position moves the children.

#include "platform/controls/WinControl.h"

class TScrollingWinControl;

enum TScrollBarKind { sbHorizontal, sbVertical };
MORVANE_ENUM_TYPEINFO(TScrollBarKind, sbHorizontal, sbVertical);

class TControlScrollBar : public TPersistent {
  MORVANE_CLASS(TControlScrollBar, TPersistent)

 public:
  TControlScrollBar(TScrollingWinControl* control, TScrollBarKind kind);
  void Assign(TPersistent* source) override;

  TScrollBarKind Kind() const { return FKind; }
  int32_t Increment() const { return FIncrement; }
  void SetIncrement(int32_t value) { FIncrement = value; }
  int32_t Range() const { return FRange; }
  void SetRange(int32_t value);
  int32_t Position() const { return FPosition; }
  void SetPosition(int32_t value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool value);
  // Whether the contents are larger than the client area.
  bool IsScrollBarVisible() const;
  // Gives the window its scroll state.
  void Update();

  static void Publish(TPublisher<TControlScrollBar>& p);

 private:
  int32_t ClientSize() const;
  int32_t MaxPosition() const;
  TScrollingWinControl* FControl;
  TScrollBarKind FKind;
  int32_t FIncrement = 8;
  int32_t FRange = 0;
  int32_t FPosition = 0;
  bool FVisible = true;
};

class TScrollingWinControl : public TWinControl {
  MORVANE_CLASS(TScrollingWinControl, TWinControl)
  MORVANE_MESSAGE_TABLE(TScrollingWinControl)

 public:
  explicit TScrollingWinControl(TComponent* owner);
  ~TScrollingWinControl() override;

  TControlScrollBar* HorzScrollBar() const { return FHorzScrollBar; }
  void SetHorzScrollBar(TControlScrollBar* value) { FHorzScrollBar->Assign(value); }
  TControlScrollBar* VertScrollBar() const { return FVertScrollBar; }
  void SetVertScrollBar(TControlScrollBar* value) { FVertScrollBar->Assign(value); }
  bool AutoScroll() const { return FAutoScroll; }
  void SetAutoScroll(bool value) { FAutoScroll = value; }
  // Scrolls so that control is inside the client area.
  void ScrollInView(TControl* control);

 protected:
  void CreateWnd() override;
  void WMHScroll(TMessage& message);
  void WMVScroll(TMessage& message);

 private:
  void Scroll(TControlScrollBar* bar, TMessage& message);
  TControlScrollBar* FHorzScrollBar;
  TControlScrollBar* FVertScrollBar;
  bool FAutoScroll = true;
};
