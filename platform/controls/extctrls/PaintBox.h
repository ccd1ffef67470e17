#pragma once
// TPaintBox: an area of a form that the program paints in OnPaint, on
// Canvas, whenever its parent repaints it.

#include "platform/controls/Controls.h"

class TPaintBox : public TGraphicControl {
  MORVANE_CLASS(TPaintBox, TGraphicControl)

 public:
  explicit TPaintBox(TComponent* owner);

  TNotifyEvent OnPaint;

  static void Publish(TPublisher<TPaintBox>& p);

 protected:
  void Paint() override;
};
