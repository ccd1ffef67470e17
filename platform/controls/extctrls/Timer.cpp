#include "platform/controls/extctrls/Timer.h"

#include <unordered_map>

#include "platform/windows/Timers.h"

namespace {
// The running timers by their system timer's identifier.
std::unordered_map<uintptr_t, TTimer*>& RunningTimers() {
  static std::unordered_map<uintptr_t, TTimer*> timers;
  return timers;
}
}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer() {
  FEnabled = false;
  UpdateTimer();
}

void TTimer::TimerProc(HWND, UINT, uintptr_t id, DWORD) {
  auto it = RunningTimers().find(id);
  if (it != RunningTimers().end()) it->second->Timer();
}

void TTimer::UpdateTimer() {
  if (FTimerID) {
    KillTimer(nullptr, FTimerID);
    RunningTimers().erase(FTimerID);
    FTimerID = 0;
  }
  bool loading = ComponentState().Contains(csLoading) || ComponentState().Contains(csDesigning);
  if (!FEnabled || FInterval == 0 || !FOnTimer || loading) return;
  FTimerID = SetTimer(nullptr, 0, FInterval, &TTimer::TimerProc);
  if (FTimerID) RunningTimers()[FTimerID] = this;
}

void TTimer::SetEnabled(bool value) {
  if (FEnabled == value) return;
  FEnabled = value;
  UpdateTimer();
}

void TTimer::SetInterval(uint32_t value) {
  if (FInterval == value) return;
  FInterval = value;
  UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent value) {
  FOnTimer = std::move(value);
  UpdateTimer();
}

void TTimer::Timer() {
  if (FEnabled && FOnTimer) FOnTimer(this);
}

void TTimer::Loaded() {
  inherited::Loaded();
  UpdateTimer();
}

void TTimer::Publish(TPublisher<TTimer>& p) {
  p.Property("Enabled", &TTimer::Enabled, &TTimer::SetEnabled).Default(true);
  p.Property("Interval", &TTimer::Interval, &TTimer::SetInterval).Default(1000);
  p.Property("OnTimer", &TTimer::OnTimer, &TTimer::SetOnTimer);
}
