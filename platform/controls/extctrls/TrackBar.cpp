#include "platform/controls/extctrls/TrackBar.h"

#include <QSlider>
#include <algorithm>

#include "platform/windows/QtWindows.h"

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
  FTabStop = true;
  FControlStyle.Exclude(csSetCaption);
  SetBounds(0, 0, 150, 45);
}

QSlider* TTrackBar::Slider() const {
  return FHandle ? qobject_cast<QSlider*>(WindowWidget(FHandle)) : nullptr;
}

QWidget* TTrackBar::CreateNativeWidget(const TCreateParams&, QWidget* parent) {
  auto* slider = new QSlider(parent);
  QObject::connect(slider, &QSlider::valueChanged, [this](int value) {
    if (FUpdatingSlider || value == FPosition) return;
    FPosition = value;
    Changed();
  });
  ConfigureSlider(slider);
  return slider;
}

void TTrackBar::ConfigureSlider(QSlider* slider) {
  FUpdatingSlider = true;
  struct TDone {
    bool& Flag;
    ~TDone() { Flag = false; }
  } done{FUpdatingSlider};
  slider->setOrientation(FOrientation == trHorizontal ? Qt::Horizontal : Qt::Vertical);
  slider->setInvertedAppearance(FOrientation == trVertical);  // Min at the top
  slider->setInvertedControls(FOrientation == trVertical);
  slider->setRange(FMin, std::max(FMin, FMax));
  slider->setSingleStep(FLineSize);
  slider->setPageStep(FPageSize);
  slider->setValue(FPosition);
  QSlider::TickPosition ticks = QSlider::NoTicks;
  if (FTickStyle != tsNone) {
    ticks = FTickMarks == tmBoth        ? QSlider::TicksBothSides
            : FTickMarks == tmTopLeft   ? QSlider::TicksAbove
                                        : QSlider::TicksBelow;
  }
  slider->setTickPosition(ticks);
  // Manual ticks stand only at both ends here.
  slider->setTickInterval(FTickStyle == tsManual ? std::max(1, FMax - FMin) : std::max(1, FFrequency));
}

void TTrackBar::UpdateSlider() {
  if (QSlider* slider = Slider()) ConfigureSlider(slider);
}

void TTrackBar::KeyDown(WORD& key, TShiftState shift) {
  inherited::KeyDown(key, shift);
  int32_t target;
  switch (key) {
    case VK_LEFT:
    case VK_UP: target = FPosition - FLineSize; break;
    case VK_RIGHT:
    case VK_DOWN: target = FPosition + FLineSize; break;
    case VK_PRIOR: target = FPosition - FPageSize; break;
    case VK_NEXT: target = FPosition + FPageSize; break;
    case VK_HOME: target = FMin; break;
    case VK_END: target = FMax; break;
    default: return;
  }
  SetPosition(target);
  key = 0;  // handled here, not by the native slider, whose keys differ
}

void TTrackBar::Changed() {
  if (OnChange) OnChange(this);
}

void TTrackBar::Loaded() {
  inherited::Loaded();
  FPosition = std::clamp(FPosition, FMin, std::max(FMin, FMax));
  UpdateSlider();
}

void TTrackBar::SetMin(int32_t value) {
  if (FMin == value) return;
  FMin = value;
  if (!ComponentState().Contains(csLoading)) SetPosition(FPosition);
  UpdateSlider();
}

void TTrackBar::SetMax(int32_t value) {
  if (FMax == value) return;
  FMax = value;
  if (!ComponentState().Contains(csLoading)) SetPosition(FPosition);
  UpdateSlider();
}

void TTrackBar::SetPosition(int32_t value) {
  if (!ComponentState().Contains(csLoading)) value = std::clamp(value, FMin, std::max(FMin, FMax));
  if (FPosition == value) return;
  FPosition = value;
  if (QSlider* slider = Slider()) {
    FUpdatingSlider = true;
    slider->setValue(value);
    FUpdatingSlider = false;
  }
  Changed();
}

void TTrackBar::SetOrientation(TTrackBarOrientation value) {
  if (FOrientation == value) return;
  FOrientation = value;
  if (!ComponentState().Contains(csLoading)) SetBounds(Left(), Top(), Height(), Width());
  UpdateSlider();
}

void TTrackBar::SetFrequency(int32_t value) {
  if (FFrequency == value) return;
  FFrequency = value;
  UpdateSlider();
}

void TTrackBar::SetLineSize(int32_t value) {
  if (FLineSize == value) return;
  FLineSize = value;
  UpdateSlider();
}

void TTrackBar::SetPageSize(int32_t value) {
  if (FPageSize == value) return;
  FPageSize = value;
  UpdateSlider();
}

void TTrackBar::SetTickMarks(TTickMark value) {
  if (FTickMarks == value) return;
  FTickMarks = value;
  UpdateSlider();
}

void TTrackBar::SetTickStyle(TTickStyle value) {
  if (FTickStyle == value) return;
  FTickStyle = value;
  UpdateSlider();
}

void TTrackBar::Publish(TPublisher<TTrackBar>& p) {
  PublishAlign(p);
  PublishAnchors(p);
  PublishEnabled(p);
  p.Property("LineSize", &TTrackBar::LineSize, &TTrackBar::SetLineSize).Default(1);
  p.Property("Max", &TTrackBar::Max, &TTrackBar::SetMax).Default(10);
  p.Property("Min", &TTrackBar::Min, &TTrackBar::SetMin).Default(0);
  p.Property("Orientation", &TTrackBar::Orientation, &TTrackBar::SetOrientation).Default(trHorizontal);
  PublishParentShowHint(p);
  p.Property("PageSize", &TTrackBar::PageSize, &TTrackBar::SetPageSize).Default(2);
  PublishPopupMenu(p);
  p.Property("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency).Default(1);
  p.Property("Position", &TTrackBar::Position, &TTrackBar::SetPosition).Default(0);
  p.Property("SelEnd", &TTrackBar::SelEnd, &TTrackBar::SetSelEnd).Default(0);
  p.Property("SelStart", &TTrackBar::SelStart, &TTrackBar::SetSelStart).Default(0);
  PublishShowHint(p);
  PublishTabOrder(p);
  p.Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(true);
  p.Property("TickMarks", &TTrackBar::TickMarks, &TTrackBar::SetTickMarks).Default(tmBottomRight);
  p.Property("TickStyle", &TTrackBar::TickStyle, &TTrackBar::SetTickStyle).Default(tsAuto);
  PublishVisible(p);
  p.Event("OnChange", &TTrackBar::OnChange);
}
