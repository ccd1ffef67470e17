#include "platform/controls/stdctrls/ScrollBar.h"

#include <QScrollBar>
#include <algorithm>

#include "platform/controls/ControlPublishing.h"
#include "platform/core/Exceptions.h"
#include "platform/windows/QtWindows.h"

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
  FControlStyle = TControlStyle{csFramed, csDoubleClicks};
  FTabStop = true;
  SetBounds(0, 0, 121, 17);
}

QWidget* TScrollBar::CreateNativeWidget(const TCreateParams&, QWidget* parent) {
  auto* bar = new QScrollBar(FKind == sbHorizontal ? Qt::Horizontal : Qt::Vertical, parent);
  QObject::connect(bar, &QScrollBar::actionTriggered, [this](int action) { UserAction(action); });
  QObject::connect(bar, &QScrollBar::valueChanged, [this](int value) {
    if (FUpdating) return;
    SetPosition(value);
  });
  QObject::connect(bar, &QScrollBar::sliderReleased, [this] {
    int32_t position = FPosition;
    Scroll(scEndScroll, position);
  });
  // The widget takes the control's values once it is a window.
  bar->setRange(FMin, std::max(FMin, FMax - std::max(FPageSize - 1, 0)));
  bar->setPageStep(FPageSize > 0 ? FPageSize : FLargeChange);
  bar->setSingleStep(FSmallChange);
  bar->setValue(FPosition);
  return bar;
}

void TScrollBar::UpdateWidget() {
  auto* bar = FHandle ? qobject_cast<QScrollBar*>(WindowWidget(FHandle)) : nullptr;
  if (!bar) return;
  FUpdating = true;
  bar->setRange(FMin, std::max(FMin, FMax - std::max(FPageSize - 1, 0)));
  bar->setPageStep(FPageSize > 0 ? FPageSize : FLargeChange);
  bar->setSingleStep(FSmallChange);
  bar->setValue(FPosition);
  FUpdating = false;
}

void TScrollBar::UserAction(int action) {
  auto* bar = qobject_cast<QScrollBar*>(WindowWidget(FHandle));
  TScrollCode code = scPosition;
  switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: code = scLineDown; break;
    case QAbstractSlider::SliderSingleStepSub: code = scLineUp; break;
    case QAbstractSlider::SliderPageStepAdd: code = scPageDown; break;
    case QAbstractSlider::SliderPageStepSub: code = scPageUp; break;
    case QAbstractSlider::SliderToMinimum: code = scTop; break;
    case QAbstractSlider::SliderToMaximum: code = scBottom; break;
    case QAbstractSlider::SliderMove: code = scTrack; break;
    default: code = scPosition; break;
  }
  // The platform's steps are ours, not the widget's.
  int32_t position = FPosition;
  switch (code) {
    case scLineDown: position += FSmallChange; break;
    case scLineUp: position -= FSmallChange; break;
    case scPageDown: position += FLargeChange; break;
    case scPageUp: position -= FLargeChange; break;
    case scTop: position = FMin; break;
    case scBottom: position = FMax; break;
    default: position = bar ? bar->sliderPosition() : FPosition; break;
  }
  position = std::clamp(position, FMin, std::max(FMin, FMax - std::max(FPageSize - 1, 0)));
  Scroll(code, position);
  if (bar) bar->setSliderPosition(std::clamp(position, bar->minimum(), bar->maximum()));
  SetPosition(position);
}

void TScrollBar::Scroll(TScrollCode code, int32_t& position) {
  if (OnScroll) OnScroll(this, code, position);
}

void TScrollBar::Change() {
  if (OnChange) OnChange(this);
}

void TScrollBar::SetParams(int32_t position, int32_t min, int32_t max) {
  if (max < min) throw EInvalidOperation("Scroll bar property out of range");
  position = std::clamp(position, min, max);
  bool changed = position != FPosition;
  FMin = min;
  FMax = max;
  FPosition = position;
  UpdateWidget();
  if (changed && !ComponentState().Contains(csLoading)) Change();
}

void TScrollBar::SetKind(TScrollBarKind value) {
  if (FKind == value) return;
  FKind = value;
  if (!ComponentState().Contains(csLoading)) SetBounds(FLeft, FTop, FHeight, FWidth);
  RecreateWnd();
}

void TScrollBar::SetPageSize(int32_t value) {
  FPageSize = std::clamp(value, 0, std::max(FMax - FMin + 1, 0));
  UpdateWidget();
}

void TScrollBar::SetSmallChange(int32_t value) {
  FSmallChange = value;
  UpdateWidget();
}

void TScrollBar::SetLargeChange(int32_t value) {
  FLargeChange = value;
  UpdateWidget();
}

void TScrollBar::Publish(TPublisher<TScrollBar>& p) {
  PublishAlign(p);
  PublishAnchors(p);
  PublishEnabled(p);
  p.Property("Kind", &TScrollBar::Kind, &TScrollBar::SetKind).Default(sbHorizontal);
  p.Property("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange).Default(1);
  p.Property("Max", &TScrollBar::Max, &TScrollBar::SetMax).Default(100);
  p.Property("Min", &TScrollBar::Min, &TScrollBar::SetMin).Default(0);
  p.Property("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  p.Property("Position", &TScrollBar::Position, &TScrollBar::SetPosition).Default(0);
  PublishShowHint(p);
  p.Property("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange).Default(1);
  PublishTabOrder(p);
  p.Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(true);
  PublishVisible(p);
  p.Event("OnChange", &TScrollBar::OnChange);
  p.Event("OnEnter", &TWinControl::OnEnter);
  p.Event("OnExit", &TWinControl::OnExit);
  PublishOnKeyDown(p);
  PublishOnKeyPress(p);
  PublishOnKeyUp(p);
  p.Event("OnScroll", &TScrollBar::OnScroll);
}
