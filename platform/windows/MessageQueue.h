#pragma once
// Sending, posting, peeking and dispatching messages.
//
// Input from Qt becomes queued messages inside the pump (MessagePump.cpp).
// Posted messages travel through Qt's event queue and come back through the
// pump and the get-message hook; a message posted to a window that is
// destroyed before it comes out of the queue is dropped.

#include <exception>
#include <functional>

#include "platform/windows/Messages.h"

constexpr UINT PM_NOREMOVE = 0x0000;
constexpr UINT PM_REMOVE = 0x0001;
constexpr UINT PM_NOYIELD = 0x0002;

// Runs the call-window-procedure hooks, then the window's procedure. Answers 0
// for a window that does not exist.
LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// A message of the thread, without window: only the get-message hook and the
// message loop see it.
bool PostThreadMessage(DWORD threadId, UINT msg, WPARAM wParam, LPARAM lParam);

// Looks at the posted messages and the windows waiting to be painted (WM_PAINT
// for each, in the order they were invalidated). hwnd 0 means every message of
// the thread; min = max = 0 means every message. The get-message hooks see a
// message found, with PM_REMOVE or PM_NOREMOVE in their WParam.
bool PeekMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeMsg);
// Hands a message to its window's procedure; WM_TIMER with a timer procedure
// in LParam calls that instead, and WM_PAINT paints the window now.
LRESULT DispatchMessage(const MSG* msg);
// Characters are made by the pump from Qt's key events: nothing to translate.
bool TranslateMessage(const MSG* msg);

LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// The platform's default handling of a message; see Handles.h.
LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

DWORD GetMessageTime();

// Who hears of an exception that a window procedure or hook lets out while the
// pump delivers a Qt event (Qt must never see it). The application object sets
// it; without one the message goes to standard error.
void SetMessageExceptionHandler(std::function<void(std::exception_ptr)> handler);
