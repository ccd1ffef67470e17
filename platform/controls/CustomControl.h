#pragma once
// TCustomControl: a windowed control that paints itself on Canvas in Paint,
// after its background was filled with Color and before its graphic children
// are painted over it.

#include "platform/controls/ControlCanvas.h"
#include "platform/controls/WinControl.h"

class TCustomControl : public TWinControl {
  MORVANE_CLASS(TCustomControl, TWinControl)
  MORVANE_MESSAGE_TABLE(TCustomControl)

 public:
  explicit TCustomControl(TComponent* owner);
  ~TCustomControl() override;

  TCanvas* Canvas() const { return FCanvas; }

 protected:
  virtual void Paint() {}
  void PaintWindow(HDC dc) override;
  void WMPaint(TMessage& message);

 private:
  TControlCanvas* FCanvas;
};
