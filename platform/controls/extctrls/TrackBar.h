#pragma once
// TTrackBar: a slider (a native Qt slider) for a Position between Min and
// Max. Moving it with the mouse or the keys, or setting Position, fires
// OnChange. Ticks are drawn every Frequency positions on the TickMarks side.

#include "platform/controls/Controls.h"

class QSlider;

enum TTrackBarOrientation { trHorizontal, trVertical };
MORVANE_ENUM_TYPEINFO(TTrackBarOrientation, trHorizontal, trVertical);

enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
MORVANE_ENUM_TYPEINFO(TTickMark, tmBottomRight, tmTopLeft, tmBoth);

enum TTickStyle { tsNone, tsAuto, tsManual };
MORVANE_ENUM_TYPEINFO(TTickStyle, tsNone, tsAuto, tsManual);

class TTrackBar : public TWinControl {
  MORVANE_CLASS(TTrackBar, TWinControl)

 public:
  explicit TTrackBar(TComponent* owner);

  int32_t Min() const { return FMin; }
  void SetMin(int32_t value);
  int32_t Max() const { return FMax; }
  void SetMax(int32_t value);
  int32_t Position() const { return FPosition; }
  // Kept inside Min..Max (once loading is over).
  void SetPosition(int32_t value);
  TTrackBarOrientation Orientation() const { return FOrientation; }
  // Turning the bar also turns its bounds, except while loading.
  void SetOrientation(TTrackBarOrientation value);
  int32_t Frequency() const { return FFrequency; }
  void SetFrequency(int32_t value);
  int32_t LineSize() const { return FLineSize; }
  void SetLineSize(int32_t value);
  int32_t PageSize() const { return FPageSize; }
  void SetPageSize(int32_t value);
  int32_t SelStart() const { return FSelStart; }
  void SetSelStart(int32_t value) { FSelStart = value; }
  int32_t SelEnd() const { return FSelEnd; }
  void SetSelEnd(int32_t value) { FSelEnd = value; }
  TTickMark TickMarks() const { return FTickMarks; }
  void SetTickMarks(TTickMark value);
  TTickStyle TickStyle() const { return FTickStyle; }
  void SetTickStyle(TTickStyle value);

  TNotifyEvent OnChange;

  static void Publish(TPublisher<TTrackBar>& p);

 protected:
  QWidget* CreateNativeWidget(const TCreateParams& params, QWidget* parent) override;
  void Loaded() override;
  // The platform's keys: Left / Up and Right / Down move by LineSize, Page
  // Up and Page Down by PageSize, Home and End to the ends.
  void KeyDown(WORD& key, TShiftState shift) override;
  virtual void Changed();

 private:
  QSlider* Slider() const;
  // Gives the slider the bar's range, steps, ticks and position.
  void ConfigureSlider(QSlider* slider);
  void UpdateSlider();
  int32_t FMin = 0;
  int32_t FMax = 10;
  int32_t FPosition = 0;
  TTrackBarOrientation FOrientation = trHorizontal;
  int32_t FFrequency = 1;
  int32_t FLineSize = 1;
  int32_t FPageSize = 2;
  int32_t FSelStart = 0;
  int32_t FSelEnd = 0;
  TTickMark FTickMarks = tmBottomRight;
  TTickStyle FTickStyle = tsAuto;
  bool FUpdatingSlider = false;
};
