// Window placement: SetWindowPos and its relatives, rectangles, coordinate
// mapping and hit testing.

#include <QApplication>
#include <algorithm>

#include "platform/windows/Handles.h"
#include "platform/windows/MessageQueue.h"
#include "platform/windows/Painting.h"
#include "platform/windows/WindowRecord.h"
#include "platform/windows/WindowsInternal.h"
#include "platform/windows/XorLayer.h"

namespace {

// The platform measures a top-level window with its frame; Qt's geometry is
// the area inside it. A child is placed in its parent's client coordinates,
// which start below the parent's menu bar.
QRect OuterGeometry(const QWidget* w) {
  return w->isWindow() ? w->frameGeometry() : w->geometry().translated(-ClientOffset(w->parentWidget()));
}

WINDOWPOS CurrentPos(HWND hwnd, const QWidget* w, UINT flags) {
  QRect g = OuterGeometry(w);
  WINDOWPOS wp;
  wp.hwnd = hwnd;
  wp.x = g.x();
  wp.y = g.y();
  wp.cx = g.width();
  wp.cy = g.height();
  wp.flags = flags;
  return wp;
}

void ApplyZOrder(QWidget* w, HWND insertAfter) {
  if (insertAfter == HWND_TOP) {
    w->raise();
  } else if (insertAfter == HWND_BOTTOM) {
    w->lower();
  } else if (insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
    if (w->isWindow()) {
      bool visible = w->isVisible();
      w->setWindowFlag(Qt::WindowStaysOnTopHint, insertAfter == HWND_TOPMOST);
      if (visible) w->show();
    }
    w->raise();
  } else if (QWidget* after = WidgetOf(insertAfter); after && after->parentWidget() == w->parentWidget()) {
    w->stackUnder(after);
  }
  if (!w->isWindow()) RaiseXorLayer(w->window());
}

void ApplyPlacement(QWidget* w, const WINDOWPOS& wp) {
  QRect outer = OuterGeometry(w);
  QSize frame = outer.size() - w->size();
  QPoint clientOrigin = w->isWindow() ? QPoint() : ClientOffset(w->parentWidget());
  if (!(wp.flags & SWP_NOMOVE)) w->move(QPoint(wp.x, wp.y) + clientOrigin);
  if (!(wp.flags & SWP_NOSIZE))
    w->resize(std::max(wp.cx - frame.width(), 0), std::max(wp.cy - frame.height(), 0));
  // Qt may hold back the resize event of a hidden window: the bar follows now.
  if (TWindowRecord* r = WindowRecordOfWidget(w)) PlaceMenuBar(*r);
}

QPoint ClientOrigin(HWND hwnd) {
  QWidget* w = WidgetOf(hwnd);
  return w ? w->mapToGlobal(ClientOffset(w)) : QPoint();
}

}  // namespace

bool SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  TWindowRecord* r = FindWindowRecord(hwnd);
  if (!r || !r->Widget) return false;
  WINDOWPOS wp = CurrentPos(hwnd, r->Widget, flags);
  wp.hwndInsertAfter = insertAfter;
  if (!(flags & SWP_NOMOVE)) wp.x = x, wp.y = y;
  if (!(flags & SWP_NOSIZE)) wp.cx = cx, wp.cy = cy;
  if (!(flags & SWP_NOSENDCHANGING)) SendMessage(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp));
  r = FindWindowRecord(hwnd);
  if (!r || !r->Widget) return false;
  QWidget* w = r->Widget;
  r->Positioning = true;
  ApplyPlacement(w, wp);
  if (!(wp.flags & SWP_NOZORDER)) ApplyZOrder(w, wp.hwndInsertAfter);
  r->ReportedGeometry = w->geometry();
  r->Positioning = false;
  if (wp.flags & SWP_SHOWWINDOW) ShowWindow(hwnd, (wp.flags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
  if (wp.flags & SWP_HIDEWINDOW) ShowWindow(hwnd, SW_HIDE);
  bool placed = !(wp.flags & SWP_NOMOVE) || !(wp.flags & SWP_NOSIZE);
  if (placed && !(wp.flags & SWP_NOREDRAW)) InvalidateRect(hwnd, nullptr, true);
  SendMessage(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
  return true;
}

void ReportQtGeometryChange(TWindowRecord& window) {
  QWidget* w = window.Widget;
  if (!w || window.Positioning) return;
  PlaceMenuBar(window);
  QRect now = w->geometry();
  QRect before = window.ReportedGeometry;
  if (now == before) return;
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  if (now.topLeft() == before.topLeft()) flags |= SWP_NOMOVE;
  if (now.size() == before.size()) flags |= SWP_NOSIZE;
  HWND hwnd = window.Handle;
  WINDOWPOS wp = CurrentPos(hwnd, w, flags);
  WINDOWPOS asked = wp;
  SendMessage(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp));
  TWindowRecord* r = FindWindowRecord(hwnd);
  if (!r || !r->Widget) return;
  // A handler that changes the request wins over Qt's change.
  if (wp.x != asked.x || wp.y != asked.y || wp.cx != asked.cx || wp.cy != asked.cy) {
    r->Positioning = true;
    ApplyPlacement(w, WINDOWPOS{hwnd, nullptr, wp.x, wp.y, wp.cx, wp.cy, 0});
    r->Positioning = false;
  }
  r->ReportedGeometry = w->geometry();
  SendMessage(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
}

bool MoveWindow(HWND hwnd, int x, int y, int width, int height, bool repaint) {
  return SetWindowPos(hwnd, nullptr, x, y, width, height,
                      SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

bool BringWindowToTop(HWND hwnd) {
  QWidget* w = WidgetOf(hwnd);
  if (!w) return false;
  SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  if (w->isWindow()) SetActiveWindow(hwnd);
  return true;
}

bool GetWindowRect(HWND hwnd, RECT* rect) {
  QWidget* w = WidgetOf(hwnd);
  if (!w || !rect) return false;
  QRect g = w->isWindow() ? w->frameGeometry() : QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
  *rect = Bounds(g.x(), g.y(), g.width(), g.height());
  return true;
}

bool GetClientRect(HWND hwnd, RECT* rect) {
  QWidget* w = WidgetOf(hwnd);
  if (!w || !rect) return false;
  QRect client = ClientArea(w);
  *rect = Rect(0, 0, client.width(), client.height());
  return true;
}

bool ClientToScreen(HWND hwnd, POINT* point) {
  if (!IsWindow(hwnd) || !point) return false;
  QPoint o = ClientOrigin(hwnd);
  point->X += o.x();
  point->Y += o.y();
  return true;
}

bool ScreenToClient(HWND hwnd, POINT* point) {
  if (!IsWindow(hwnd) || !point) return false;
  QPoint o = ClientOrigin(hwnd);
  point->X -= o.x();
  point->Y -= o.y();
  return true;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count) {
  QPoint d = ClientOrigin(from) - ClientOrigin(to);
  for (UINT i = 0; points && i < count; ++i) {
    points[i].X += d.x();
    points[i].Y += d.y();
  }
  return MAKELONG(static_cast<WORD>(d.x()), static_cast<WORD>(d.y()));
}

HWND WindowFromPoint(POINT screenPoint) {
  QWidget* w = QApplication::widgetAt(screenPoint.X, screenPoint.Y);
  TWindowRecord* r = NearestWindowRecord(w);
  return r ? r->Handle : nullptr;
}

HWND ChildWindowFromPoint(HWND parent, POINT clientPoint) {
  QWidget* p = WidgetOf(parent);
  if (!p) return nullptr;
  QPoint at = QPoint(clientPoint.X, clientPoint.Y) + ClientOffset(p);
  if (!ClientArea(p).contains(at)) return nullptr;
  const QObjectList& children = p->children();
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    TWindowRecord* r = WindowRecordOfWidget(*it);
    if (r && r->Widget->geometry().contains(at)) return r->Handle;
  }
  return parent;
}
