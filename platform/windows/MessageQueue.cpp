// Sending, posting, peeking and dispatching, and the platform's default
// handling of messages.

#include "platform/windows/MessageQueue.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <vector>

#include "platform/windows/Cursors.h"
#include "platform/windows/Handles.h"
#include "platform/windows/Painting.h"
#include "platform/windows/WindowRecord.h"
#include "platform/windows/WindowsInternal.h"

namespace {

// One frame per message being handled, innermost last: DefWindowProc marks
// the frame of its window and message, so the pump learns whether the event
// behind the message should go on to Qt.
struct TDispatchFrame {
  HWND Window;
  UINT Message;
  bool DefaultReached;
};
std::vector<TDispatchFrame> Frames;

std::deque<MSG> Posted;
DWORD CurrentMessageTime = 0;

void MarkDefaultReached(HWND hwnd, UINT msg) {
  for (auto it = Frames.rbegin(); it != Frames.rend(); ++it)
    if (it->Window == hwnd && it->Message == msg) {
      it->DefaultReached = true;
      return;
    }
}

struct TFrameGuard {
  explicit TFrameGuard(HWND hwnd, UINT msg) : Window(hwnd) {
    Frames.push_back({hwnd, msg, false});
    if (TWindowRecord* r = FindWindowRecord(hwnd)) ++r->DispatchDepth;
  }
  ~TFrameGuard() {
    Frames.pop_back();
    if (TWindowRecord* r = FindWindowRecord(Window)) --r->DispatchDepth;
  }
  HWND Window;
};

bool InFilter(UINT msg, UINT filterMin, UINT filterMax) {
  return (filterMin == 0 && filterMax == 0) || (msg >= filterMin && msg <= filterMax);
}

bool WindowInFilter(HWND target, HWND filter) {
  if (!filter) return true;
  if (filter == reinterpret_cast<HWND>(-1)) return target == nullptr;
  return target == filter || IsChild(filter, target);
}

void ReflectText(TWindowRecord& r) {
  QWidget* w = r.Widget;
  if (!w) return;
  QString text = QString::fromStdString(r.Text);
  if (w->metaObject()->indexOfProperty("text") >= 0)
    w->setProperty("text", text);
  else if (w->isWindow())
    w->setWindowTitle(text);
}

LRESULT CopyText(const std::string& text, WPARAM size, LPARAM buffer) {
  auto* out = reinterpret_cast<char*>(buffer);
  if (!out || size == 0) return 0;
  size_t n = std::min(text.size(), static_cast<size_t>(size) - 1);
  std::memcpy(out, text.data(), n);
  out[n] = '\0';
  return static_cast<LRESULT>(n);
}

// Keeps a top-level window's size within what WM_GETMINMAXINFO allows.
void ApplyMinMaxInfo(HWND hwnd, WINDOWPOS* pos) {
  if (!pos || (pos->flags & SWP_NOSIZE)) return;
  QWidget* w = WidgetOf(hwnd);
  if (!w || !w->isWindow()) return;
  MINMAXINFO info;
  info.ptMinTrackSize = {0, 0};
  info.ptMaxTrackSize = {32767, 32767};
  info.ptMaxSize = info.ptMaxTrackSize;
  SendMessage(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  pos->cx = std::clamp(pos->cx, info.ptMinTrackSize.X, std::max(info.ptMinTrackSize.X, info.ptMaxTrackSize.X));
  pos->cy = std::clamp(pos->cy, info.ptMinTrackSize.Y, std::max(info.ptMinTrackSize.Y, info.ptMaxTrackSize.Y));
}

void SendMoveAndSize(HWND hwnd, const WINDOWPOS* pos) {
  QWidget* w = WidgetOf(hwnd);
  if (!w || !pos) return;
  // Both tell of the client area: its origin (in the parent's client
  // coordinates for a child) and its size, below any menu bar.
  QPoint at = w->isWindow() ? w->geometry().topLeft() + ClientOffset(w) : w->pos() - ClientOffset(w->parentWidget());
  QSize size = ClientArea(w).size();
  if (!(pos->flags & SWP_NOMOVE))
    SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(at.x()), static_cast<WORD>(at.y())));
  if (!(pos->flags & SWP_NOSIZE))
    SendMessage(hwnd, WM_SIZE, SIZE_RESTORED,
                MAKELPARAM(static_cast<WORD>(size.width()), static_cast<WORD>(size.height())));
}

}  // namespace

LRESULT CallWindowProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                            bool* defaultReached) {
  TWindowRecord* r = FindWindowRecord(hwnd);
  if (!r) return 0;
  WNDPROC proc = r->Proc;
  TFrameGuard guard(hwnd, msg);
  LRESULT result = proc ? proc(hwnd, msg, wParam, lParam) : DefWindowProc(hwnd, msg, wParam, lParam);
  if (defaultReached) *defaultReached = Frames.back().DefaultReached;
  return result;
}

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!IsWindow(hwnd)) return 0;
  RunCallWndProcHooks(hwnd, msg, wParam, lParam, true);
  return CallWindowProcedure(hwnd, msg, wParam, lParam);
}

LRESULT SendNotification(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, bool* defaultReached) {
  if (defaultReached) *defaultReached = true;
  if (!IsWindow(hwnd)) return 0;
  RunCallWndProcHooks(hwnd, msg, wParam, lParam, false);
  return CallWindowProcedure(hwnd, msg, wParam, lParam, defaultReached);
}

bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (hwnd && !IsWindow(hwnd)) return false;
  EnsureMessagePump();
  MSG m;
  m.hwnd = hwnd;
  m.message = msg;
  m.wParam = wParam;
  m.lParam = lParam;
  m.time = CurrentMessageTime;
  GetCursorPos(&m.pt);
  Posted.push_back(m);
  WakePumpForPostedMessage();
  return true;
}

bool PostThreadMessage(DWORD threadId, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (threadId != GetCurrentThreadId()) return false;
  return PostMessage(nullptr, msg, wParam, lParam);
}

// Called by the pump once per posted message; PeekMessage may have taken the
// message already, then there is nothing to do.
void ProcessOnePostedMessage() {
  while (!Posted.empty()) {
    MSG m = Posted.front();
    Posted.pop_front();
    if (m.hwnd && !IsWindow(m.hwnd)) continue;
    RunGetMessageHooks(m, PM_REMOVE);
    DispatchMessage(&m);
    return;
  }
}

bool PeekMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeMsg) {
  if (!msg) return false;
  bool remove = removeMsg & PM_REMOVE;
  for (auto it = Posted.begin(); it != Posted.end(); ++it) {
    if (it->hwnd && !IsWindow(it->hwnd)) continue;
    if (!InFilter(it->message, filterMin, filterMax) || !WindowInFilter(it->hwnd, hwnd)) continue;
    *msg = *it;
    if (remove) Posted.erase(it);
    RunGetMessageHooks(*msg, remove ? PM_REMOVE : PM_NOREMOVE);
    return true;
  }
  if (InFilter(WM_PAINT, filterMin, filterMax)) {
    HWND target = FirstPaintPending(hwnd);
    if (target && WindowInFilter(target, hwnd)) {
      *msg = MSG();
      msg->hwnd = target;
      msg->message = WM_PAINT;
      msg->time = CurrentMessageTime;
      GetCursorPos(&msg->pt);
      if (remove) ClearPaintPending(target);
      RunGetMessageHooks(*msg, remove ? PM_REMOVE : PM_NOREMOVE);
      return true;
    }
  }
  return false;
}

LRESULT DispatchMessage(const MSG* msg) {
  if (!msg) return 0;
  if (msg->message == WM_TIMER && msg->lParam) {
    reinterpret_cast<TIMERPROC>(msg->lParam)(msg->hwnd, WM_TIMER, msg->wParam, msg->time);
    return 0;
  }
  if (!msg->hwnd) return 0;
  if (msg->message == WM_PAINT) {
    ClearPaintPending(msg->hwnd);
    if (QWidget* w = WidgetOf(msg->hwnd)) w->repaint();
    return 0;
  }
  return CallWindowProcedure(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

bool TranslateMessage(const MSG*) { return false; }

LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return proc ? proc(hwnd, msg, wParam, lParam) : DefWindowProc(hwnd, msg, wParam, lParam);
}

DWORD GetMessageTime() { return CurrentMessageTime; }
void SetMessageTime(DWORD time) { CurrentMessageTime = time; }

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  MarkDefaultReached(hwnd, msg);
  TWindowRecord* r = FindWindowRecord(hwnd);
  if (!r) return 0;
  switch (msg) {
    case WM_NCCREATE: {
      auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
      if (cs && cs->lpszName) {
        r->Text = cs->lpszName;
        ReflectText(*r);
      }
      return 1;
    }
    case WM_SETTEXT:
      r->Text = lParam ? reinterpret_cast<const char*>(lParam) : "";
      ReflectText(*r);
      return 1;
    case WM_GETTEXT: return CopyText(r->Text, wParam, lParam);
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(r->Text.size());
    case WM_PAINT: PaintWindowNatively(hwnd, reinterpret_cast<HDC>(wParam)); return 0;
    case WM_ERASEBKGND: return 1;  // Qt has filled the background already
    case WM_WINDOWPOSCHANGING: ApplyMinMaxInfo(hwnd, reinterpret_cast<WINDOWPOS*>(lParam)); return 0;
    case WM_WINDOWPOSCHANGED: SendMoveAndSize(hwnd, reinterpret_cast<const WINDOWPOS*>(lParam)); return 0;
    case WM_SETCURSOR: return DefaultSetCursor(hwnd, wParam, lParam);
    case WM_CANCELMODE:
      if (GetCapture() == hwnd) ReleaseCapture();
      return 0;
    case WM_CLOSE: DestroyWindow(hwnd); return 0;
    case WM_MOUSEACTIVATE: return 1;  // MA_ACTIVATE
    case WM_NCHITTEST: return HTCLIENT;
    default: return 0;
  }
}
