#pragma once
// TSplitter: a bar between an aligned control and the rest of its parent.
// Dragging it resizes that neighbour (the control aligned the same way on
// the splitter's far side); while the mouse is down the new edge shows as an
// inverted line on the window's XOR layer, and the size changes on release
// (at once with rsUpdate). The neighbour never gets smaller than MinSize,
// nor so large that the rest of the parent gets less than MinSize.

#include "platform/controls/Controls.h"

enum TResizeStyle { rsNone, rsLine, rsUpdate, rsPattern };
MORVANE_ENUM_TYPEINFO(TResizeStyle, rsNone, rsLine, rsUpdate, rsPattern);

using TCanResizeEvent = TEvent<void(TObject* Sender, int32_t& NewSize, bool& Accept)>;
MORVANE_EVENT_TYPEINFO(TCanResizeEvent, "Sender: TObject; var NewSize: Integer; var Accept: Boolean");

class TSplitter : public TGraphicControl {
  MORVANE_CLASS(TSplitter, TGraphicControl)

 public:
  explicit TSplitter(TComponent* owner);
  ~TSplitter() override;

  bool Beveled() const { return FBeveled; }
  void SetBeveled(bool value);
  int32_t MinSize() const { return FMinSize; }
  void SetMinSize(int32_t value) { FMinSize = value; }
  TResizeStyle ResizeStyle() const { return FResizeStyle; }
  void SetResizeStyle(TResizeStyle value) { FResizeStyle = value; }
  // The control being resized during a drag, else null.
  TControl* ResizeControl() const { return FControl; }
  // The inverted line shows now.
  bool LineVisible() const { return FLineVisible; }

  TCanResizeEvent OnCanResize;
  TNotifyEvent OnMoved;
  TNotifyEvent OnPaint;

  static void Publish(TPublisher<TSplitter>& p);

 protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
  void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  bool Vertical() const { return Align() == alLeft || Align() == alRight; }
  TControl* FindControl() const;
  void CalcSplitSize(int32_t x, int32_t y, int32_t& newSize, int32_t& split) const;
  void UpdateControlSize();
  void DrawLine();
  void StopSizing();
  bool ShowsLine() const { return FResizeStyle == rsLine || FResizeStyle == rsPattern; }

  bool FBeveled = false;
  int32_t FMinSize = 30;
  TResizeStyle FResizeStyle = rsPattern;
  TControl* FControl = nullptr;
  TPoint FDownPos;
  int32_t FMaxSize = 0;
  int32_t FNewSize = 0;
  int32_t FOldSize = 0;
  int32_t FSplit = 0;
  bool FLineVisible = false;
  HDC FLineDC = nullptr;
  TCanvas* FLineCanvas = nullptr;
};
