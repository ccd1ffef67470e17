#pragma once
// Publishing helpers shared by the standard controls (and controls built on
// them): the focus, key and mouse events that every windowed standard
// control publishes, in the platform's order.

#include "platform/controls/ControlPublishing.h"

template <class T>
void PublishFocusKeyMouseEvents(TPublisher<T>& p) {
  p.Event("OnEnter", &TWinControl::OnEnter);
  p.Event("OnExit", &TWinControl::OnExit);
  PublishOnKeyDown(p);
  PublishOnKeyPress(p);
  PublishOnKeyUp(p);
  PublishOnMouseDown(p);
  PublishOnMouseMove(p);
  PublishOnMouseUp(p);
}
