#pragma once
// TProgressBar: shows how far an operation has come, as a native Qt progress
// bar filled from Min to Position of Min..Max. StepIt advances by Step and
// starts over from Min when it passes Max; StepBy moves by any amount and
// stops at the ends.

#include "platform/controls/Controls.h"

class QProgressBar;

enum TProgressBarOrientation { pbHorizontal, pbVertical };
MORVANE_ENUM_TYPEINFO(TProgressBarOrientation, pbHorizontal, pbVertical);

class TProgressBar : public TWinControl {
  MORVANE_CLASS(TProgressBar, TWinControl)

 public:
  explicit TProgressBar(TComponent* owner);

  int32_t Min() const { return FMin; }
  void SetMin(int32_t value);
  int32_t Max() const { return FMax; }
  void SetMax(int32_t value);
  int32_t Position() const { return FPosition; }
  // Kept inside Min..Max (once loading is over).
  void SetPosition(int32_t value);
  int32_t Step() const { return FStep; }
  void SetStep(int32_t value) { FStep = value; }
  TProgressBarOrientation Orientation() const { return FOrientation; }
  // Turning the bar also turns its bounds, except while loading.
  void SetOrientation(TProgressBarOrientation value);
  // A continuous bar instead of blocks, where the style draws blocks.
  bool Smooth() const { return FSmooth; }
  void SetSmooth(bool value) { FSmooth = value; }

  void StepIt();
  void StepBy(int32_t delta);

  static void Publish(TPublisher<TProgressBar>& p);

 protected:
  QWidget* CreateNativeWidget(const TCreateParams& params, QWidget* parent) override;
  void Loaded() override;

 private:
  int32_t Clamped(int32_t value) const;
  void UpdateBar();
  int32_t FMin = 0;
  int32_t FMax = 100;
  int32_t FPosition = 0;
  int32_t FStep = 10;
  TProgressBarOrientation FOrientation = pbHorizontal;
  bool FSmooth = false;
};
