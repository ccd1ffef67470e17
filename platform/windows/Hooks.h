#pragma once
// Thread window hooks. The newest hook of a kind runs first and passes the
// event on with CallNextHookEx; a hook may be removed while hooks run.
//
// WH_GETMESSAGE: called with HC_ACTION, PM_REMOVE or PM_NOREMOVE in WParam and
// a pointer to the MSG in LParam for every message taken from the queue
// (input, posted and thread messages, timers, paint); it may rewrite the
// message in place, WM_NULL eats it.
// WH_CALLWNDPROC: called with HC_ACTION, WParam nonzero when the message was
// sent by this thread's code, and a pointer to a CWPSTRUCT in LParam, before
// the window procedure receives a sent message.

#include "platform/windows/WinTypes.h"

constexpr int WH_GETMESSAGE = 3;
constexpr int WH_CALLWNDPROC = 4;
constexpr int HC_ACTION = 0;

// Only hooks of the current thread exist here: module 0 and the current
// thread's identifier (or 0). Anything else raises EOSError.
HHOOK SetWindowsHookEx(int idHook, HOOKPROC proc, HINSTANCE module, DWORD threadId);
bool UnhookWindowsHookEx(HHOOK hook);
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);
