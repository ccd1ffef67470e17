#pragma once
// Internal: what a window handle stands for, and the lookups between handles
// and widgets. Only the files of this folder include it.

#include <QMetaObject>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <functional>
#include <map>
#include <string>

#include "platform/windows/Messages.h"
#include "platform/windows/ScrollBars.h"

struct TWindowRecord {
  HWND Handle = nullptr;
  QPointer<QWidget> Widget;
  bool OwnsWidget = false;
  WNDPROC Proc = nullptr;
  std::string ClassName;
  HCURSOR ClassCursor = nullptr;
  HINSTANCE Instance = nullptr;
  LONG_PTR UserData = 0;
  LONG_PTR Id = 0;
  LONG Style = 0;
  LONG ExStyle = 0;
  std::map<std::string, HANDLE> Props;
  std::string Text;
  SCROLLINFO Scroll[2];
  std::function<void(int bar)> ScrollObserver;
  // The geometry last reported through WM_WINDOWPOSCHANGED, so that Qt's own
  // move and resize events for a change already reported are not repeated.
  QRect ReportedGeometry;
  // Messages being handled by this window right now: the widget must not be
  // deleted under them.
  int DispatchDepth = 0;
  // The window's paint event is running: its DC and what is being painted.
  HDC PaintDC = nullptr;
  bool InNativePaint = false;
  // SetWindowPos is applying a change it reports itself.
  bool Positioning = false;
  bool PaintPending = false;
  bool ErasePending = false;
  QMetaObject::Connection DestroyedConnection;
  // The non-client area inside the widget: a top-level window's menu bar
  // along its top (SetWindowMenuBar). The client area starts below it, so
  // client coordinates differ from the widget's own by ClientOffset.
  QPointer<QWidget> MenuBar;
};

class QPaintEvent;

TWindowRecord* FindWindowRecord(HWND hwnd);
// The window made of exactly this widget, or null.
TWindowRecord* WindowRecordOfWidget(const QObject* widget);
// The window of this widget or of its nearest ancestor that is a window.
TWindowRecord* NearestWindowRecord(const QWidget* widget);
// Raises EOSError naming the operation when hwnd is not a window.
TWindowRecord& WindowRecordOrRaise(HWND hwnd, const char* operation);
QWidget* WidgetOf(HWND hwnd);
// Windows in creation order.
void ForEachWindow(const std::function<void(TWindowRecord&)>& f);

// Where the client area starts inside this widget: below the menu bar of the
// window it is, (0,0) for any other widget or a null one.
QPoint ClientOffset(const QWidget* widget);
// The client area in the widget's own coordinates.
QRect ClientArea(const QWidget* widget);
// Lays a window's menu bar across the top of its widget.
void PlaceMenuBar(TWindowRecord& window);

// The pump's handling of Qt events that become sent messages.
bool HandlePaintEvent(TWindowRecord& window, QPaintEvent* event);
// Reports a move or resize that Qt made (not SetWindowPos) as the platform does.
void ReportQtGeometryChange(TWindowRecord& window);
