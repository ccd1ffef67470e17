#pragma once
// Mouse capture, the cursor position and its confinement, and cursors.
//
// Offscreen there is no real pointer: the cursor position is a logical one,
// updated from every mouse event the pump sees and by SetCursorPos, and
// confined by ClipCursor. GetCursor answers the cursor the pointer shows now:
// before each mouse message the window under the pointer gets WM_SETCURSOR,
// whose default handling shows the window's class cursor (the arrow if none),
// and a window procedure may call SetCursor instead.

#include "platform/windows/WinTypes.h"

// Mouse messages go to the capture window while it holds the capture.
HWND SetCapture(HWND hwnd);
bool ReleaseCapture();
HWND GetCapture();

// Confines the cursor position to a screen rectangle (right and bottom
// exclusive); null frees it.
bool ClipCursor(const RECT* rect);
bool GetClipCursor(RECT* rect);
bool GetCursorPos(POINT* point);
bool SetCursorPos(int x, int y);

inline const char* const IDC_ARROW = MAKEINTRESOURCE(32512);
inline const char* const IDC_IBEAM = MAKEINTRESOURCE(32513);
inline const char* const IDC_WAIT = MAKEINTRESOURCE(32514);
inline const char* const IDC_CROSS = MAKEINTRESOURCE(32515);
inline const char* const IDC_UPARROW = MAKEINTRESOURCE(32516);
inline const char* const IDC_SIZENWSE = MAKEINTRESOURCE(32642);
inline const char* const IDC_SIZENESW = MAKEINTRESOURCE(32643);
inline const char* const IDC_SIZEWE = MAKEINTRESOURCE(32644);
inline const char* const IDC_SIZENS = MAKEINTRESOURCE(32645);
inline const char* const IDC_SIZEALL = MAKEINTRESOURCE(32646);
inline const char* const IDC_NO = MAKEINTRESOURCE(32648);
inline const char* const IDC_HAND = MAKEINTRESOURCE(32649);
inline const char* const IDC_APPSTARTING = MAKEINTRESOURCE(32650);
inline const char* const IDC_HELP = MAKEINTRESOURCE(32651);

// The standard cursors (instance 0, an IDC_ value); the same handle each time.
// Anything else answers 0.
HCURSOR LoadCursor(HINSTANCE instance, const char* name);
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
bool DestroyCursor(HCURSOR cursor);

// The class cursor that default WM_SETCURSOR handling shows over a window.
constexpr int GCLP_HCURSOR = -12;
LONG_PTR GetClassLongPtr(HWND hwnd, int index);
LONG_PTR SetClassLongPtr(HWND hwnd, int index, LONG_PTR value);
