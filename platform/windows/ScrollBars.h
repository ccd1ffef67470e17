#pragma once
// Scroll bar state of a window. The window record keeps it; the controls layer
// connects it to real scroll bars (SetScrollBarObserver in QtWindows.h).

#include "platform/windows/WinTypes.h"

constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
constexpr int SB_CTL = 2;
constexpr int SB_BOTH = 3;

constexpr UINT SIF_RANGE = 0x0001;
constexpr UINT SIF_PAGE = 0x0002;
constexpr UINT SIF_POS = 0x0004;
constexpr UINT SIF_DISABLENOSCROLL = 0x0008;
constexpr UINT SIF_TRACKPOS = 0x0010;
constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

struct SCROLLINFO {
  UINT cbSize = sizeof(SCROLLINFO);
  UINT fMask = 0;
  int nMin = 0;
  int nMax = 0;
  UINT nPage = 0;
  int nPos = 0;
  int nTrackPos = 0;
};
using TScrollInfo = SCROLLINFO;

// bar is SB_HORZ or SB_VERT. Positions are kept within the range less the page.
int GetScrollPos(HWND hwnd, int bar);
int SetScrollPos(HWND hwnd, int bar, int pos, bool redraw);
bool GetScrollRange(HWND hwnd, int bar, int* minPos, int* maxPos);
bool SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, bool redraw);
bool GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info);
int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, bool redraw);
