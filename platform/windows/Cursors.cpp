// Capture, the logical cursor position and the cursor shown.

#include "platform/windows/Cursors.h"

#include <QApplication>
#include <QCursor>
#include <QScreen>
#include <algorithm>
#include <map>
#include <optional>

#include "platform/windows/HandleTable.h"
#include "platform/windows/Handles.h"
#include "platform/windows/Messages.h"
#include "platform/windows/MessageQueue.h"
#include "platform/windows/QtWindows.h"
#include "platform/windows/WindowRecord.h"
#include "platform/windows/WindowsInternal.h"

namespace {

struct TCursorRecord {
  QCursor Shape;
  bool Standard = false;
};

THandleTable<HCURSOR, TCursorRecord>& Cursors() {
  static THandleTable<HCURSOR, TCursorRecord> table;
  return table;
}

HWND Capture = nullptr;
POINT CursorPos;
std::optional<RECT> CursorClip;
HCURSOR ShownCursor = nullptr;
// The window the pointer was last seen over: SetCursor shows its cursor there.
HWND PointerWindow = nullptr;

Qt::CursorShape StandardShape(uintptr_t id) {
  switch (id) {
    case 32513: return Qt::IBeamCursor;
    case 32514: return Qt::WaitCursor;
    case 32515: return Qt::CrossCursor;
    case 32516: return Qt::UpArrowCursor;
    case 32642: return Qt::SizeFDiagCursor;
    case 32643: return Qt::SizeBDiagCursor;
    case 32644: return Qt::SizeHorCursor;
    case 32645: return Qt::SizeVerCursor;
    case 32646: return Qt::SizeAllCursor;
    case 32648: return Qt::ForbiddenCursor;
    case 32649: return Qt::PointingHandCursor;
    case 32650: return Qt::BusyCursor;
    case 32651: return Qt::WhatsThisCursor;
    default: return Qt::ArrowCursor;
  }
}

bool IsStandardCursorId(uintptr_t id) {
  return id == 32512 || (id >= 32513 && id <= 32516) || (id >= 32642 && id <= 32646) ||
         (id >= 32648 && id <= 32651);
}

bool Offscreen() { return QGuiApplication::platformName() == QLatin1String("offscreen"); }

}  // namespace

HWND SetCapture(HWND hwnd) {
  HWND old = Capture;
  if (!IsWindow(hwnd) || old == hwnd) return old;
  Capture = hwnd;
  if (old) SendMessage(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
  // Offscreen there is no pointer to grab; the pump routes by Capture alone.
  if (QWidget* w = WidgetOf(hwnd); w && w->isVisible() && !Offscreen()) w->grabMouse();
  return old;
}

bool ReleaseCapture() {
  HWND old = Capture;
  if (!old) return true;
  Capture = nullptr;
  if (QWidget* w = WidgetOf(old); w && QWidget::mouseGrabber() == w) w->releaseMouse();
  SendMessage(old, WM_CAPTURECHANGED, 0, 0);
  return true;
}

HWND GetCapture() { return Capture; }

void ForgetWindowCapture(HWND hwnd) {
  if (Capture == hwnd) {
    if (QWidget* w = WidgetOf(hwnd); w && QWidget::mouseGrabber() == w) w->releaseMouse();
    Capture = nullptr;
  }
  if (PointerWindow == hwnd) PointerWindow = nullptr;
}

POINT ConfineCursorPoint(POINT p) {
  if (!CursorClip) return p;
  const RECT& r = *CursorClip;
  p.X = std::clamp(p.X, r.Left, std::max(r.Left, r.Right - 1));
  p.Y = std::clamp(p.Y, r.Top, std::max(r.Top, r.Bottom - 1));
  return p;
}

void SetLogicalCursorPos(POINT p) { CursorPos = ConfineCursorPoint(p); }

bool ClipCursor(const RECT* rect) {
  if (rect)
    CursorClip = *rect;
  else
    CursorClip.reset();
  SetLogicalCursorPos(CursorPos);
  return true;
}

bool GetClipCursor(RECT* rect) {
  if (!rect) return false;
  if (CursorClip) {
    *rect = *CursorClip;
  } else {
    QScreen* screen = QGuiApplication::primaryScreen();
    QRect g = screen ? screen->geometry() : QRect();
    *rect = Rect(g.left(), g.top(), g.right() + 1, g.bottom() + 1);
  }
  return true;
}

bool GetCursorPos(POINT* point) {
  if (!point) return false;
  *point = CursorPos;
  return true;
}

bool SetCursorPos(int x, int y) {
  SetLogicalCursorPos({x, y});
  if (!Offscreen()) QCursor::setPos(CursorPos.X, CursorPos.Y);
  return true;
}

HCURSOR LoadCursor(HINSTANCE instance, const char* name) {
  if (instance || !IS_INTRESOURCE(name)) return nullptr;
  auto id = reinterpret_cast<uintptr_t>(name);
  if (!IsStandardCursorId(id)) return nullptr;
  static std::map<uintptr_t, HCURSOR> loaded;
  HCURSOR& h = loaded[id];
  if (!h) {
    auto r = std::make_unique<TCursorRecord>();
    r->Shape = QCursor(StandardShape(id));
    r->Standard = true;
    h = Cursors().Add(std::move(r));
  }
  return h;
}

HCURSOR CreateCursorHandle(const QCursor& cursor) {
  auto r = std::make_unique<TCursorRecord>();
  r->Shape = cursor;
  return Cursors().Add(std::move(r));
}

QCursor CursorHandleShape(HCURSOR cursor) {
  TCursorRecord* r = Cursors().Find(cursor);
  return r ? r->Shape : QCursor(Qt::ArrowCursor);
}

bool DestroyCursor(HCURSOR cursor) {
  TCursorRecord* r = Cursors().Find(cursor);
  if (!r || r->Standard) return false;
  Cursors().Remove(cursor);
  if (ShownCursor == cursor) ShownCursor = nullptr;
  return true;
}

HCURSOR SetCursor(HCURSOR cursor) {
  HCURSOR old = ShownCursor;
  ShownCursor = cursor;
  if (QWidget* w = WidgetOf(PointerWindow)) {
    if (cursor)
      w->setCursor(CursorHandleShape(cursor));
    else
      w->setCursor(Qt::BlankCursor);
  }
  return old;
}

HCURSOR GetCursor() { return ShownCursor; }

void UpdateCursorForPointer(HWND hwnd, UINT mouseMsg) {
  if (Capture) return;  // the capture window keeps the cursor it set
  PointerWindow = hwnd;
  SendNotification(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd),
                   MAKELPARAM(static_cast<WORD>(HTCLIENT), static_cast<WORD>(mouseMsg)));
}

LRESULT DefaultSetCursor(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  // A parent that sets the cursor for its child wins.
  QWidget* w = WidgetOf(hwnd);
  if (w && !w->isWindow())
    if (HWND parent = GetParent(hwnd); parent && SendMessage(parent, WM_SETCURSOR, wParam, lParam))
      return 1;
  if (reinterpret_cast<HWND>(wParam) != hwnd) return 0;  // the parent leaves it to the child
  TWindowRecord* r = FindWindowRecord(hwnd);
  SetCursor(r && r->ClassCursor ? r->ClassCursor : LoadCursor(nullptr, IDC_ARROW));
  return 0;
}

LONG_PTR GetClassLongPtr(HWND hwnd, int index) {
  TWindowRecord* r = FindWindowRecord(hwnd);
  if (!r || index != GCLP_HCURSOR) return 0;
  return reinterpret_cast<LONG_PTR>(r->ClassCursor);
}

LONG_PTR SetClassLongPtr(HWND hwnd, int index, LONG_PTR value) {
  TWindowRecord* r = FindWindowRecord(hwnd);
  if (!r || index != GCLP_HCURSOR) return 0;
  LONG_PTR old = reinterpret_cast<LONG_PTR>(r->ClassCursor);
  r->ClassCursor = reinterpret_cast<HCURSOR>(value);
  return old;
}
