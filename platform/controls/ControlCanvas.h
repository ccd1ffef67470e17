#pragma once
// TControlCanvas: the canvas of a control. While the control paints, its
// Handle is the paint DC the parent or the window handed over; asked for a
// handle outside painting it takes a DC of the control's window (of the
// parent's, moved to the control's corner and clipped to it, for a graphic
// control), which draws on the window's layer above its contents.

#include <functional>

#include "platform/graphics/Canvas.h"

class TControl;

class TControlCanvas : public TCanvas {
  MORVANE_CLASS(TControlCanvas, TCanvas)

 public:
  TControlCanvas() = default;
  ~TControlCanvas() override;

  TControl* Control() const { return FControl; }
  void SetControl(TControl* value);
  // Gives back a DC the canvas took itself.
  void FreeHandle();

 protected:
  void CreateHandle() override;

 private:
  TControl* FControl = nullptr;
  HDC FDeviceContext = nullptr;
  HWND FWindowHandle = nullptr;
};

// Runs paint with canvas drawing on dc in font, the way controls paint
// themselves; the canvas lets go of dc afterwards, also when paint raises.
void PaintOnControlCanvas(TControlCanvas* canvas, TFont* font, HDC dc,
                          const std::function<void()>& paint);
