#include "platform/controls/extctrls/ProgressBar.h"

#include <QProgressBar>
#include <algorithm>

#include "platform/windows/QtWindows.h"

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) {
  FControlStyle.Exclude(csSetCaption);
  SetBounds(0, 0, 150, 16);
}

QWidget* TProgressBar::CreateNativeWidget(const TCreateParams&, QWidget* parent) {
  auto* bar = new QProgressBar(parent);
  bar->setTextVisible(false);
  bar->setRange(FMin, std::max(FMin, FMax));
  bar->setOrientation(FOrientation == pbHorizontal ? Qt::Horizontal : Qt::Vertical);
  bar->setValue(FPosition);
  return bar;
}

void TProgressBar::UpdateBar() {
  if (!FHandle) return;
  auto* bar = qobject_cast<QProgressBar*>(WindowWidget(FHandle));
  if (!bar) return;
  bar->setRange(FMin, std::max(FMin, FMax));
  bar->setOrientation(FOrientation == pbHorizontal ? Qt::Horizontal : Qt::Vertical);
  bar->setValue(FPosition);
}

int32_t TProgressBar::Clamped(int32_t value) const {
  if (ComponentState().Contains(csLoading)) return value;
  return std::clamp(value, FMin, std::max(FMin, FMax));
}

void TProgressBar::Loaded() {
  inherited::Loaded();
  FPosition = Clamped(FPosition);
  UpdateBar();
}

void TProgressBar::SetMin(int32_t value) {
  FMin = value;
  FPosition = Clamped(FPosition);
  UpdateBar();
}

void TProgressBar::SetMax(int32_t value) {
  FMax = value;
  FPosition = Clamped(FPosition);
  UpdateBar();
}

void TProgressBar::SetPosition(int32_t value) {
  FPosition = Clamped(value);
  UpdateBar();
}

void TProgressBar::SetOrientation(TProgressBarOrientation value) {
  if (FOrientation == value) return;
  FOrientation = value;
  if (!ComponentState().Contains(csLoading)) SetBounds(Left(), Top(), Height(), Width());
  UpdateBar();
}

void TProgressBar::StepIt() {
  int32_t next = FPosition + FStep;
  int32_t range = FMax - FMin;
  if ((next < FMin || next > FMax) && range > 0) {
    // Past the end the bar starts over, keeping what went beyond.
    next = FMin + (next - FMin) % range;
    if (next < FMin) next += range;
  }
  SetPosition(next);
}

void TProgressBar::StepBy(int32_t delta) { SetPosition(FPosition + delta); }

void TProgressBar::Publish(TPublisher<TProgressBar>& p) {
  PublishAlign(p);
  PublishAnchors(p);
  PublishEnabled(p);
  p.Property("Min", &TProgressBar::Min, &TProgressBar::SetMin).Default(0);
  p.Property("Max", &TProgressBar::Max, &TProgressBar::SetMax).Default(100);
  p.Property("Orientation", &TProgressBar::Orientation, &TProgressBar::SetOrientation)
      .Default(pbHorizontal);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  p.Property("Position", &TProgressBar::Position, &TProgressBar::SetPosition).Default(0);
  p.Property("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth).Default(false);
  p.Property("Step", &TProgressBar::Step, &TProgressBar::SetStep).Default(10);
  PublishShowHint(p);
  PublishTabOrder(p);
  PublishTabStop(p);
  PublishVisible(p);
}
