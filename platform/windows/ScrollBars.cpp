// The scroll bar state a window record keeps.

#include "platform/windows/ScrollBars.h"

#include <algorithm>

#include "platform/windows/QtWindows.h"
#include "platform/windows/WindowRecord.h"

namespace {

SCROLLINFO* Bar(HWND hwnd, int bar) {
  TWindowRecord* r = FindWindowRecord(hwnd);
  if (!r || (bar != SB_HORZ && bar != SB_VERT)) return nullptr;
  return &r->Scroll[bar];
}

// The highest position: the range less what one page shows.
int Clamped(const SCROLLINFO& s, int pos) {
  int last = s.nMax - std::max(static_cast<int>(s.nPage) - 1, 0);
  return std::clamp(pos, s.nMin, std::max(s.nMin, last));
}

void Changed(HWND hwnd, int bar) {
  TWindowRecord* r = FindWindowRecord(hwnd);
  if (r && r->ScrollObserver) r->ScrollObserver(bar);
}

}  // namespace

int GetScrollPos(HWND hwnd, int bar) {
  SCROLLINFO* s = Bar(hwnd, bar);
  return s ? s->nPos : 0;
}

int SetScrollPos(HWND hwnd, int bar, int pos, bool) {
  SCROLLINFO* s = Bar(hwnd, bar);
  if (!s) return 0;
  int old = s->nPos;
  s->nPos = Clamped(*s, pos);
  Changed(hwnd, bar);
  return old;
}

bool GetScrollRange(HWND hwnd, int bar, int* minPos, int* maxPos) {
  SCROLLINFO* s = Bar(hwnd, bar);
  if (!s) return false;
  if (minPos) *minPos = s->nMin;
  if (maxPos) *maxPos = s->nMax;
  return true;
}

bool SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, bool) {
  SCROLLINFO* s = Bar(hwnd, bar);
  if (!s) return false;
  s->nMin = minPos;
  s->nMax = std::max(minPos, maxPos);
  s->nPos = Clamped(*s, s->nPos);
  Changed(hwnd, bar);
  return true;
}

bool GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info) {
  SCROLLINFO* s = Bar(hwnd, bar);
  if (!s || !info) return false;
  if (info->fMask & SIF_RANGE) info->nMin = s->nMin, info->nMax = s->nMax;
  if (info->fMask & SIF_PAGE) info->nPage = s->nPage;
  if (info->fMask & SIF_POS) info->nPos = s->nPos;
  if (info->fMask & SIF_TRACKPOS) info->nTrackPos = s->nTrackPos;
  return true;
}

int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, bool) {
  SCROLLINFO* s = Bar(hwnd, bar);
  if (!s || !info) return 0;
  if (info->fMask & SIF_RANGE) s->nMin = info->nMin, s->nMax = std::max(info->nMin, info->nMax);
  if (info->fMask & SIF_PAGE) s->nPage = info->nPage;
  if (info->fMask & SIF_POS) s->nPos = info->nPos;
  s->nPos = Clamped(*s, s->nPos);
  Changed(hwnd, bar);
  return s->nPos;
}

void SetScrollBarObserver(HWND hwnd, std::function<void(int bar)> observer) {
  if (TWindowRecord* r = FindWindowRecord(hwnd)) r->ScrollObserver = std::move(observer);
}
