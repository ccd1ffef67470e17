#pragma once
// TPanel: a windowed container with raised or lowered bevels, an optional
// border, and its caption drawn in the middle. Aligned children fill what
// the bevels and the border leave free.

#include "platform/controls/Controls.h"
#include "platform/controls/Form.h"
#include "platform/controls/stdctrls/StdCtrlsTypes.h"

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
MORVANE_ENUM_TYPEINFO(TBevelCut, bvNone, bvLowered, bvRaised, bvSpace);

enum TBevelKind { bkNone, bkTile, bkSoft, bkFlat };
MORVANE_ENUM_TYPEINFO(TBevelKind, bkNone, bkTile, bkSoft, bkFlat);

using TBevelWidth = int32_t;
using TBorderWidth = int32_t;

class TPanel : public TCustomControl {
  MORVANE_CLASS(TPanel, TCustomControl)

 public:
  explicit TPanel(TComponent* owner);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut value);
  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut value);
  TBevelWidth BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(TBevelWidth value);
  TBevelKind BevelKind() const { return FBevelKind; }
  void SetBevelKind(TBevelKind value) { FBevelKind = value; }
  TBorderWidth BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(TBorderWidth value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle value);
  bool FullRepaint() const { return FFullRepaint; }
  void SetFullRepaint(bool value) { FFullRepaint = value; }
  bool Locked() const { return FLocked; }
  void SetLocked(bool value) { FLocked = value; }
  bool ParentBackground() const { return FParentBackground; }
  void SetParentBackground(bool value);
  bool ShowCaption() const { return FShowCaption; }
  void SetShowCaption(bool value);

  // The width that bevels and border take on each side.
  int32_t FrameWidth() const;

  static void Publish(TPublisher<TPanel>& p);

 protected:
  void Paint() override;
  void AlignControls(TControl* control, TRect& rect) override;

 private:
  void FrameChanged();
  TAlignment FAlignment = taCenter;
  TBevelCut FBevelInner = bvNone;
  TBevelCut FBevelOuter = bvRaised;
  TBevelWidth FBevelWidth = 1;
  TBevelKind FBevelKind = bkNone;
  TBorderWidth FBorderWidth = 0;
  TBorderStyle FBorderStyle = bsNone;
  bool FFullRepaint = true;
  bool FLocked = false;
  bool FParentBackground = true;
  bool FShowCaption = true;
};
