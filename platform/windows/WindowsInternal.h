#pragma once
// Internal: what the files of this folder tell each other. Not for other layers.

#include "platform/windows/Messages.h"

// The pump: the application-wide event filter and the object that receives
// posted messages and timers. Created on first need; raises EOSError when no
// QApplication exists.
void EnsureMessagePump();
// Asks the pump to take one posted message out of the queue later.
void WakePumpForPostedMessage();

// Takes one posted message out of the queue, through the hooks to its window.
void ProcessOnePostedMessage();

// Default handling of WM_PAINT (paints a native widget the Qt way into dc, or
// into a DC of its own when dc is 0) and of WM_SETCURSOR.
void PaintWindowNatively(HWND hwnd, HDC dc);
LRESULT DefaultSetCursor(HWND hwnd, WPARAM wParam, LPARAM lParam);

// Timers run on the pump object.
int StartPumpTimer(UINT milliseconds);
void StopPumpTimer(int qtTimerId);
void PumpTimerFired(int qtTimerId);

// Calls a window's procedure (DefWindowProc when it has none), noting whether
// default handling was reached for exactly this window and message.
LRESULT CallWindowProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                            bool* defaultReached = nullptr);
// SendMessage as the pump uses it for notifications made from Qt events.
LRESULT SendNotification(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                         bool* defaultReached = nullptr);

void RunGetMessageHooks(MSG& msg, WPARAM removeFlag);
void RunCallWndProcHooks(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, bool sentByThread);

// Key state kept from input.
void SetKeyDown(WORD virtKey, bool down);
void SetModifierState(bool shift, bool ctrl, bool alt);
void SetMouseButtonState(bool left, bool right, bool middle);

// The logical cursor position, confined by ClipCursor.
POINT ConfineCursorPoint(POINT p);
void SetLogicalCursorPos(POINT p);
// WM_SETCURSOR to the window under the pointer, before a mouse message.
void UpdateCursorForPointer(HWND hwnd, UINT mouseMsg);

// Windows waiting for WM_PAINT.
void MarkPaintPending(HWND hwnd, bool erase);
void ClearPaintPending(HWND hwnd);
HWND FirstPaintPending(HWND filter);

// Everything the other parts remember about a window that is going away.
void ForgetWindowCapture(HWND hwnd);
void ForgetWindowTimers(HWND hwnd);
void ForgetWindowPaint(HWND hwnd);

// The time stamp of the message being handled.
void SetMessageTime(DWORD time);
