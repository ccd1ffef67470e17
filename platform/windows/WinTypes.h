#pragma once
// The windowing system's basic types: integer types of the message layouts,
// opaque handles and the word helpers that pack and unpack message parameters.
//
// Handles are opaque numbers. Each one is taken from a process-wide counter and
// never given out twice while the process runs, so testing a stale handle
// (IsWindow, GlobalSize ...) is always safe.

#include <cstdint>

#include "platform/core/Types.h"

using BYTE = uint8_t;
using WORD = uint16_t;
using DWORD = uint32_t;
using UINT = uint32_t;
using LONG = int32_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using LONG_PTR = intptr_t;
using ATOM = WORD;
using COLORREF = DWORD;

using POINT = TPoint;
using RECT = TRect;
using SIZE = TSize;

#define MORVANE_DECLARE_HANDLE(Name) \
  struct Name##__;                   \
  using Name = Name##__*

MORVANE_DECLARE_HANDLE(HWND);
MORVANE_DECLARE_HANDLE(HDC);
MORVANE_DECLARE_HANDLE(HHOOK);
MORVANE_DECLARE_HANDLE(HCURSOR);
MORVANE_DECLARE_HANDLE(HGLOBAL);
MORVANE_DECLARE_HANDLE(HMODULE);
MORVANE_DECLARE_HANDLE(HRSRC);
MORVANE_DECLARE_HANDLE(HBITMAP);
MORVANE_DECLARE_HANDLE(HMENU);
MORVANE_DECLARE_HANDLE(HRGN);
using HINSTANCE = HMODULE;
using HANDLE = void*;
using HICON = HCURSOR;

#undef MORVANE_DECLARE_HANDLE

// A window procedure and its relatives, as plain functions: the controls layer
// reaches its objects from one static procedure through the window's
// properties (SetProp/GetProp), as the platform does.
using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
using HOOKPROC = LRESULT (*)(int, WPARAM, LPARAM);
using TIMERPROC = void (*)(HWND, UINT, uintptr_t, DWORD);

constexpr WORD LOWORD(uintptr_t v) { return static_cast<WORD>(v & 0xFFFF); }
constexpr WORD HIWORD(uintptr_t v) { return static_cast<WORD>((v >> 16) & 0xFFFF); }
constexpr BYTE LOBYTE(uintptr_t v) { return static_cast<BYTE>(v & 0xFF); }
constexpr BYTE HIBYTE(uintptr_t v) { return static_cast<BYTE>((v >> 8) & 0xFF); }
constexpr LONG MAKELONG(WORD lo, WORD hi) {
  return static_cast<LONG>(static_cast<DWORD>(lo) | (static_cast<DWORD>(hi) << 16));
}
constexpr LPARAM MAKELPARAM(WORD lo, WORD hi) { return static_cast<LPARAM>(static_cast<DWORD>(MAKELONG(lo, hi))); }
constexpr WPARAM MAKEWPARAM(WORD lo, WORD hi) { return static_cast<WPARAM>(static_cast<DWORD>(MAKELONG(lo, hi))); }
constexpr LRESULT MAKELRESULT(WORD lo, WORD hi) { return static_cast<LRESULT>(static_cast<DWORD>(MAKELONG(lo, hi))); }
// Signed coordinates of a mouse message's LParam.
constexpr int GET_X_LPARAM(LPARAM l) { return static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(l))); }
constexpr int GET_Y_LPARAM(LPARAM l) { return static_cast<int16_t>(HIWORD(static_cast<uintptr_t>(l))); }

// A point packed into 32 bits, as mouse messages carry it.
struct TSmallPoint {
  int16_t x = 0;
  int16_t y = 0;
  friend bool operator==(const TSmallPoint&, const TSmallPoint&) = default;
};
inline TPoint SmallPointToPoint(TSmallPoint p) { return {p.x, p.y}; }
inline TSmallPoint PointToSmallPoint(TPoint p) {
  return {static_cast<int16_t>(p.X), static_cast<int16_t>(p.Y)};
}
inline LPARAM PointToLParam(TPoint p) {
  return MAKELPARAM(static_cast<WORD>(p.X), static_cast<WORD>(p.Y));
}
inline TPoint LParamToPoint(LPARAM l) { return {GET_X_LPARAM(l), GET_Y_LPARAM(l)}; }

// Integer resource names and types travel as small numbers in a pointer.
inline const char* MAKEINTRESOURCE(uintptr_t id) { return reinterpret_cast<const char*>(id); }
inline bool IS_INTRESOURCE(const char* name) { return reinterpret_cast<uintptr_t>(name) <= 0xFFFF; }

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
  return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) | (static_cast<COLORREF>(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c) { return static_cast<BYTE>(c & 0xFF); }
constexpr BYTE GetGValue(COLORREF c) { return static_cast<BYTE>((c >> 8) & 0xFF); }
constexpr BYTE GetBValue(COLORREF c) { return static_cast<BYTE>((c >> 16) & 0xFF); }

// The user-interface thread's identifier; hooks are installed per thread.
DWORD GetCurrentThreadId();
