#pragma once
// Timers: WM_TIMER comes through the pump and the get-message hook, or the
// timer procedure is called instead when one is given.

#include "platform/windows/WinTypes.h"

// With a window, id names the timer (setting it again restarts it); without
// one, a new identifier is answered. A window that is not one answers 0.
uintptr_t SetTimer(HWND hwnd, uintptr_t id, UINT elapse, TIMERPROC proc);
bool KillTimer(HWND hwnd, uintptr_t id);
