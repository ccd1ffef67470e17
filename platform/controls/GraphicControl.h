#pragma once
// TGraphicControl: a control without a window. Its parent paints it, after
// its own background, through WM_PAINT with a DC whose origin is the
// control's corner and whose clipping is the control's bounds; Paint draws on
// Canvas then. Its mouse messages come from the parent's window, converted
// to the control's coordinates.

#include "platform/controls/Control.h"
#include "platform/controls/ControlCanvas.h"

class TGraphicControl : public TControl {
  MORVANE_CLASS(TGraphicControl, TControl)
  MORVANE_MESSAGE_TABLE(TGraphicControl)

 public:
  explicit TGraphicControl(TComponent* owner);
  ~TGraphicControl() override;

  TCanvas* Canvas() const { return FCanvas; }

 protected:
  virtual void Paint() {}
  void WMPaint(TMessage& message);

 private:
  TControlCanvas* FCanvas;
};
