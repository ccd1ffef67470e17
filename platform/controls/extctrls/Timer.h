#pragma once
// TTimer: a non-visual component that fires OnTimer every Interval
// milliseconds while it is Enabled, through the windowing layer's timers
// (WM_TIMER arrives from the message queue, so OnTimer runs in the message
// loop). A timer runs only when it is enabled, has a positive interval and
// an OnTimer handler; at design time it never runs.

#include <cstdint>

#include "platform/classes/Component.h"
#include "platform/windows/WinTypes.h"

class TTimer : public TComponent {
  MORVANE_CLASS(TTimer, TComponent)

 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  uint32_t Interval() const { return FInterval; }
  void SetInterval(uint32_t value);
  TNotifyEvent OnTimer() const { return FOnTimer; }
  void SetOnTimer(TNotifyEvent value);
  // Whether a system timer is set now.
  bool Running() const { return FTimerID != 0; }

  static void Publish(TPublisher<TTimer>& p);

 protected:
  virtual void Timer();
  void Loaded() override;

 private:
  static void TimerProc(HWND window, UINT msg, uintptr_t id, DWORD time);
  void UpdateTimer();
  bool FEnabled = true;
  uint32_t FInterval = 1000;
  TNotifyEvent FOnTimer;
  uintptr_t FTimerID = 0;
};
