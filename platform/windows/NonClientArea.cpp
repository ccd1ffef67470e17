// The non-client area inside a window's widget: a menu bar across the top of
// a top-level window. Qt knows the bar only as a child widget; the platform's
// client area, and with it every client coordinate, starts below it.

#include <QMenuBar>
#include <algorithm>

#include "platform/core/Exceptions.h"
#include "platform/windows/Handles.h"
#include "platform/windows/MessageQueue.h"
#include "platform/windows/Painting.h"
#include "platform/windows/QtWindows.h"
#include "platform/windows/WindowRecord.h"

namespace {

int BarHeightFor(QWidget* bar, int width) {
  // A bar too narrow for its items wraps them onto more lines.
  auto* menuBar = qobject_cast<QMenuBar*>(bar);
  int wrapped = menuBar ? menuBar->heightForWidth(width) : -1;
  return wrapped > 0 ? wrapped : bar->sizeHint().height();
}

// Moves the child windows by dy inside the widget, so that they keep their
// client coordinates when the client origin moves.
void ShiftChildWindows(QWidget* widget, int dy) {
  for (QObject* child : widget->children()) {
    TWindowRecord* r = WindowRecordOfWidget(child);
    if (!r || !r->Widget) continue;
    r->Widget->move(r->Widget->pos() + QPoint(0, dy));
    // Their place in client coordinates is unchanged: nothing to report.
    r->ReportedGeometry = r->Widget->geometry();
  }
}

}  // namespace

QPoint ClientOffset(const QWidget* widget) {
  TWindowRecord* r = widget ? WindowRecordOfWidget(widget) : nullptr;
  // A hidden bar (one being taken away) takes no room.
  if (!r || !r->MenuBar || r->MenuBar->isHidden()) return QPoint();
  return QPoint(0, r->MenuBar->height());
}

QRect ClientArea(const QWidget* widget) {
  QPoint offset = ClientOffset(widget);
  return QRect(offset, QSize(widget->width(), std::max(widget->height() - offset.y(), 0)));
}

void PlaceMenuBar(TWindowRecord& window) {
  QWidget* bar = window.MenuBar;
  if (!bar || !window.Widget) return;
  int width = window.Widget->width();
  bar->setGeometry(0, 0, width, BarHeightFor(bar, width));
  bar->raise();
}

void SetWindowMenuBar(HWND hwnd, QWidget* bar) {
  TWindowRecord& r = WindowRecordOrRaise(hwnd, "SetWindowMenuBar");
  QWidget* w = r.Widget;
  if (bar && bar->parentWidget() != w)
    throw EOSError("SetWindowMenuBar: the bar must be a child widget of the window");
  int before = ClientOffset(w).y();
  if (r.MenuBar && r.MenuBar != bar) r.MenuBar->hide();
  r.MenuBar = bar;
  if (bar) {
    PlaceMenuBar(r);
    bar->show();
  }
  int dy = ClientOffset(w).y() - before;
  if (dy == 0) return;
  ShiftChildWindows(w, dy);
  // The window keeps its rectangle; its client area changed as after a
  // frame change, and the window hears it as such (WM_SIZE follows).
  RECT rect;
  GetWindowRect(hwnd, &rect);
  WINDOWPOS wp{hwnd, nullptr, rect.Left, rect.Top, rect.Width(), rect.Height(),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED};
  InvalidateRect(hwnd, nullptr, true);
  SendMessage(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
}

QWidget* WindowMenuBar(HWND hwnd) {
  TWindowRecord* r = FindWindowRecord(hwnd);
  return r ? r->MenuBar.data() : nullptr;
}
