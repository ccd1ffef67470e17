#include "platform/windows/Timers.h"

#include <map>
#include <utility>

#include "platform/windows/Handles.h"
#include "platform/windows/MessageQueue.h"
#include "platform/windows/WindowsInternal.h"

namespace {

struct TTimer {
  int QtTimer = 0;
  TIMERPROC Proc = nullptr;
};

std::map<std::pair<HWND, uintptr_t>, TTimer>& Timers() {
  static std::map<std::pair<HWND, uintptr_t>, TTimer> timers;
  return timers;
}

uintptr_t NextThreadTimerId = 0x7F00;

}  // namespace

uintptr_t SetTimer(HWND hwnd, uintptr_t id, UINT elapse, TIMERPROC proc) {
  if (hwnd && !IsWindow(hwnd)) return 0;
  if (!hwnd) id = ++NextThreadTimerId;
  KillTimer(hwnd, id);
  TTimer& t = Timers()[{hwnd, id}];
  t.Proc = proc;
  t.QtTimer = StartPumpTimer(elapse ? elapse : 1);
  return id ? id : 1;
}

bool KillTimer(HWND hwnd, uintptr_t id) {
  auto it = Timers().find({hwnd, id});
  if (it == Timers().end()) return false;
  StopPumpTimer(it->second.QtTimer);
  Timers().erase(it);
  return true;
}

void ForgetWindowTimers(HWND hwnd) {
  for (auto it = Timers().begin(); it != Timers().end();)
    if (it->first.first == hwnd) {
      StopPumpTimer(it->second.QtTimer);
      it = Timers().erase(it);
    } else {
      ++it;
    }
}

void PumpTimerFired(int qtTimerId) {
  for (const auto& [key, timer] : Timers())
    if (timer.QtTimer == qtTimerId) {
      MSG m;
      m.hwnd = key.first;
      m.message = WM_TIMER;
      m.wParam = key.second;
      m.lParam = reinterpret_cast<LPARAM>(timer.Proc);
      m.time = GetMessageTime();
      RunGetMessageHooks(m, PM_REMOVE);
      DispatchMessage(&m);
      return;
    }
}
