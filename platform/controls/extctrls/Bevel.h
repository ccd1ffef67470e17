#pragma once
// TBevel: a lowered or raised line or frame, drawn by its parent (a graphic
// control) to group or separate other controls.

#include "platform/controls/Controls.h"

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
MORVANE_ENUM_TYPEINFO(TBevelShape, bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine,
                      bsRightLine, bsSpacer);

enum TBevelStyle { bsLowered, bsRaised };
MORVANE_ENUM_TYPEINFO(TBevelStyle, bsLowered, bsRaised);

class TBevel : public TGraphicControl {
  MORVANE_CLASS(TBevel, TGraphicControl)

 public:
  explicit TBevel(TComponent* owner);

  TBevelShape Shape() const { return FShape; }
  void SetShape(TBevelShape value);
  TBevelStyle Style() const { return FStyle; }
  void SetStyle(TBevelStyle value);

  static void Publish(TPublisher<TBevel>& p);

 protected:
  void Paint() override;

 private:
  TBevelShape FShape = bsBox;
  TBevelStyle FStyle = bsLowered;
};
