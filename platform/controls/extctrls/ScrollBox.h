#pragma once
// TScrollBox: a scrolling area of a form that holds other controls, with a
// sunken border unless BorderStyle is bsNone. The border is painted inside
// the window (there is no frame outside the client area here), so children
// keep the coordinates that form files give them.

#include "platform/controls/Controls.h"
#include "platform/controls/Form.h"

class TScrollBox : public TScrollingWinControl {
  MORVANE_CLASS(TScrollBox, TScrollingWinControl)
  MORVANE_MESSAGE_TABLE(TScrollBox)

 public:
  explicit TScrollBox(TComponent* owner);

  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle value);

  static void Publish(TPublisher<TScrollBox>& p);

 protected:
  void PaintWindow(HDC dc) override;
  void WMPaint(TMessage& message);

 private:
  TBorderStyle FBorderStyle = bsSingle;
};
