// Window handles: the table of windows, classes, creation and destruction, the
// window tree and window data.

#include <QApplication>
#include <algorithm>
#include <cctype>
#include <cstring>
#include <unordered_map>

#include "platform/core/Exceptions.h"
#include "platform/windows/HandleTable.h"
#include "platform/windows/Handles.h"
#include "platform/windows/MessageQueue.h"
#include "platform/windows/QtWindows.h"
#include "platform/windows/WindowRecord.h"
#include "platform/windows/WindowsInternal.h"

namespace {

THandleTable<HWND, TWindowRecord>& Windows() {
  static THandleTable<HWND, TWindowRecord> table;
  return table;
}

std::unordered_map<const QObject*, HWND>& WidgetIndex() {
  static std::unordered_map<const QObject*, HWND> index;
  return index;
}

struct TRegisteredClass {
  WNDCLASS Class;
  std::string Name;
};

std::string LowerCase(const char* s) {
  std::string r = s ? s : "";
  for (char& c : r) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return r;
}

std::map<std::string, TRegisteredClass>& Classes() {
  static std::map<std::string, TRegisteredClass> classes;
  return classes;
}

void WidgetGone(HWND hwnd);

HWND AddWindow(QWidget* widget, const char* className, WNDPROC proc, bool owns) {
  auto record = std::make_unique<TWindowRecord>();
  record->Widget = widget;
  record->OwnsWidget = owns;
  record->Proc = proc;
  record->ClassName = className ? className : "";
  record->ReportedGeometry = widget->geometry();
  TWindowRecord* r = record.get();
  HWND hwnd = Windows().Add(std::move(record));
  r->Handle = hwnd;
  WidgetIndex()[widget] = hwnd;
  r->DestroyedConnection = QObject::connect(widget, &QObject::destroyed, [hwnd] { WidgetGone(hwnd); });
  return hwnd;
}

void RemoveWindow(HWND hwnd) {
  std::unique_ptr<TWindowRecord> r = Windows().Remove(hwnd);
  if (!r) return;
  QObject::disconnect(r->DestroyedConnection);
  for (auto it = WidgetIndex().begin(); it != WidgetIndex().end(); ++it)
    if (it->second == hwnd) {
      WidgetIndex().erase(it);
      break;
    }
}

void ForgetWindow(HWND hwnd) {
  ForgetWindowCapture(hwnd);
  ForgetWindowTimers(hwnd);
  ForgetWindowPaint(hwnd);
}

// A widget deleted by its maker (or with its Qt parent) takes its window along.
void WidgetGone(HWND hwnd) {
  if (!FindWindowRecord(hwnd)) return;
  ForgetWindow(hwnd);
  SendMessage(hwnd, WM_DESTROY, 0, 0);
  SendMessage(hwnd, WM_NCDESTROY, 0, 0);
  RemoveWindow(hwnd);
}

// The windows at and below hwnd, parents before their children.
void CollectSubtree(QWidget* widget, std::vector<HWND>& out) {
  if (TWindowRecord* r = WindowRecordOfWidget(widget)) out.push_back(r->Handle);
  for (QObject* child : widget->children())
    if (child->isWidgetType()) CollectSubtree(static_cast<QWidget*>(child), out);
}

Qt::WindowFlags TopLevelFlags(DWORD style, DWORD exStyle) {
  Qt::WindowFlags flags = (exStyle & WS_EX_TOOLWINDOW) ? Qt::Tool : Qt::Window;
  if ((style & WS_POPUP) && !(style & WS_CAPTION)) flags |= Qt::FramelessWindowHint;
  if (exStyle & WS_EX_TOPMOST) flags |= Qt::WindowStaysOnTopHint;
  return flags;
}

bool CreationRefused(HWND hwnd, UINT msg, LPARAM createStruct, LRESULT refusal) {
  if (!IsWindow(hwnd)) return true;
  if (SendMessage(hwnd, msg, 0, createStruct) == refusal) {
    DestroyWindow(hwnd);
    return true;
  }
  return !IsWindow(hwnd);
}

}  // namespace

TWindowRecord* FindWindowRecord(HWND hwnd) { return Windows().Find(hwnd); }

TWindowRecord* WindowRecordOfWidget(const QObject* widget) {
  auto it = WidgetIndex().find(widget);
  return it == WidgetIndex().end() ? nullptr : FindWindowRecord(it->second);
}

TWindowRecord* NearestWindowRecord(const QWidget* widget) {
  for (; widget; widget = widget->parentWidget())
    if (TWindowRecord* r = WindowRecordOfWidget(widget)) return r;
  return nullptr;
}

TWindowRecord& WindowRecordOrRaise(HWND hwnd, const char* operation) {
  TWindowRecord* r = FindWindowRecord(hwnd);
  if (!r || !r->Widget) throw EOSError(std::string(operation) + ": invalid window handle");
  return *r;
}

QWidget* WidgetOf(HWND hwnd) {
  TWindowRecord* r = FindWindowRecord(hwnd);
  return r ? r->Widget.data() : nullptr;
}

void ForEachWindow(const std::function<void(TWindowRecord&)>& f) {
  std::vector<HWND> handles;
  Windows().ForEach([&](HWND h, TWindowRecord&) { handles.push_back(h); });
  for (HWND h : handles)
    if (TWindowRecord* r = FindWindowRecord(h)) f(*r);
}

ATOM RegisterClass(const WNDCLASS* wndClass) {
  if (!wndClass || !wndClass->lpszClassName || !*wndClass->lpszClassName) return 0;
  std::string key = LowerCase(wndClass->lpszClassName);
  if (Classes().count(key)) return 0;
  TRegisteredClass& c = Classes()[key];
  c.Class = *wndClass;
  c.Name = wndClass->lpszClassName;
  c.Class.lpszClassName = c.Name.c_str();
  c.Class.lpszMenuName = nullptr;
  return static_cast<ATOM>(0xC000 + Classes().size());
}

bool UnregisterClass(const char* className, HINSTANCE) {
  return Classes().erase(LowerCase(className)) > 0;
}

bool GetClassInfo(HINSTANCE, const char* className, WNDCLASS* wndClass) {
  auto it = Classes().find(LowerCase(className));
  if (it == Classes().end()) return false;
  if (wndClass) *wndClass = it->second.Class;
  return true;
}

int GetClassName(HWND hwnd, char* buffer, int maxCount) {
  TWindowRecord* r = FindWindowRecord(hwnd);
  if (!r || !buffer || maxCount <= 0) return 0;
  int n = std::min<int>(static_cast<int>(r->ClassName.size()), maxCount - 1);
  std::memcpy(buffer, r->ClassName.data(), static_cast<size_t>(n));
  buffer[n] = '\0';
  return n;
}

HWND CreateWindowEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                    int x, int y, int width, int height, HWND parent, HMENU menu,
                    HINSTANCE instance, void* param) {
  EnsureMessagePump();
  auto it = Classes().find(LowerCase(className));
  if (it == Classes().end())
    throw EOSError(std::string("Cannot create a window of class \"") + (className ? className : "") +
                   "\": the class is not registered");
  QWidget* parentWidget = nullptr;
  if (parent) {
    parentWidget = WidgetOf(parent);
    if (!parentWidget) throw EOSError("Cannot create a window: the parent window handle is invalid");
  }
  const WNDCLASS& cls = it->second.Class;
  bool child = (style & WS_CHILD) && parentWidget;
  auto* widget = new QWidget(parentWidget, child ? Qt::Widget : TopLevelFlags(style, exStyle));
  if (x == CW_USEDEFAULT) x = y = 0;
  if (width == CW_USEDEFAULT) {
    width = 400;
    height = 300;
  }
  // A child's place is in its parent's client coordinates (below a menu bar).
  QPoint clientOrigin = child ? ClientOffset(parentWidget) : QPoint();
  widget->setGeometry(x + clientOrigin.x(), y + clientOrigin.y(), std::max(width, 0), std::max(height, 0));

  HWND hwnd = AddWindow(widget, it->second.Name.c_str(), cls.lpfnWndProc, true);
  TWindowRecord* r = FindWindowRecord(hwnd);
  r->ClassCursor = cls.hCursor;
  r->Instance = instance ? instance : cls.hInstance;
  r->Style = static_cast<LONG>(style);
  r->ExStyle = static_cast<LONG>(exStyle);
  r->Id = reinterpret_cast<LONG_PTR>(menu);

  CREATESTRUCT cs;
  cs.lpCreateParams = param;
  cs.hInstance = r->Instance;
  cs.hMenu = menu;
  cs.hwndParent = parent;
  cs.x = x;
  cs.y = y;
  cs.cx = width;
  cs.cy = height;
  cs.style = static_cast<LONG>(style);
  cs.lpszName = windowName;
  cs.lpszClass = className;
  cs.dwExStyle = exStyle;
  LPARAM csParam = reinterpret_cast<LPARAM>(&cs);
  if (CreationRefused(hwnd, WM_NCCREATE, csParam, 0)) return nullptr;
  if (CreationRefused(hwnd, WM_CREATE, csParam, -1)) return nullptr;
  if (style & WS_DISABLED) EnableWindow(hwnd, false);
  if (style & WS_VISIBLE) ShowWindow(hwnd, SW_SHOW);
  return hwnd;
}

HWND CreateWindow(const char* className, const char* windowName, DWORD style, int x, int y,
                  int width, int height, HWND parent, HMENU menu, HINSTANCE instance, void* param) {
  return CreateWindowEx(0, className, windowName, style, x, y, width, height, parent, menu,
                        instance, param);
}

HWND CreateWindowForWidget(QWidget* widget, const char* className, WNDPROC proc,
                           bool takeOwnership) {
  if (!widget) throw EOSError("Cannot make a window of a null widget");
  if (WidgetWindow(widget)) throw EOSError("The widget already is a window");
  EnsureMessagePump();
  // Its maker placed it in the parent's client coordinates (below a menu bar).
  QPoint clientOrigin = widget->isWindow() ? QPoint() : ClientOffset(widget->parentWidget());
  widget->move(widget->pos() + clientOrigin);
  HWND hwnd = AddWindow(widget, className, proc, takeOwnership);
  TWindowRecord* r = FindWindowRecord(hwnd);
  r->Style = static_cast<LONG>((widget->isWindow() ? WS_OVERLAPPED : WS_CHILD) |
                               (widget->isHidden() ? 0 : WS_VISIBLE));
  QVariant text = widget->property("text");
  r->Text = (text.isValid() ? text.toString() : widget->windowTitle()).toStdString();
  CREATESTRUCT cs;
  cs.lpszClass = className;
  cs.x = widget->x() - clientOrigin.x();
  cs.y = widget->y() - clientOrigin.y();
  cs.cx = widget->width();
  cs.cy = widget->height();
  cs.style = r->Style;
  cs.lpszName = r->Text.c_str();
  if (CreationRefused(hwnd, WM_CREATE, reinterpret_cast<LPARAM>(&cs), -1)) return nullptr;
  return hwnd;
}

QWidget* WindowWidget(HWND hwnd) { return WidgetOf(hwnd); }

HWND WidgetWindow(const QWidget* widget) {
  TWindowRecord* r = WindowRecordOfWidget(widget);
  return r ? r->Handle : nullptr;
}

bool DestroyWindow(HWND hwnd) {
  TWindowRecord* root = FindWindowRecord(hwnd);
  if (!root) return false;
  std::vector<HWND> subtree;
  if (root->Widget)
    CollectSubtree(root->Widget, subtree);
  else
    subtree.push_back(hwnd);
  for (HWND h : subtree) ForgetWindow(h);
  for (HWND h : subtree) SendMessage(h, WM_DESTROY, 0, 0);
  for (auto it = subtree.rbegin(); it != subtree.rend(); ++it) SendMessage(*it, WM_NCDESTROY, 0, 0);

  // Collect the widgets first: records go before widgets, so that deleting a
  // widget does not report its window gone a second time.
  bool busy = false;
  std::vector<QPointer<QWidget>> owned;
  for (HWND h : subtree)
    if (TWindowRecord* r = FindWindowRecord(h)) {
      busy = busy || r->DispatchDepth > 0;
      if (r->OwnsWidget) owned.push_back(r->Widget);
    }
  for (HWND h : subtree) RemoveWindow(h);
  for (QPointer<QWidget>& w : owned) {
    if (!w) continue;  // went with its parent
    if (busy) {
      // A handler of this window is still running: Qt deletes it once that
      // handler has returned.
      w->hide();
      w->deleteLater();
    } else {
      delete w.data();
    }
  }
  return true;
}

bool IsWindow(HWND hwnd) { return FindWindowRecord(hwnd) != nullptr; }

HWND GetParent(HWND hwnd) {
  QWidget* w = WidgetOf(hwnd);
  if (!w) return nullptr;
  TWindowRecord* p = NearestWindowRecord(w->parentWidget());
  return p ? p->Handle : nullptr;
}

HWND SetParent(HWND child, HWND newParent) {
  TWindowRecord& r = WindowRecordOrRaise(child, "SetParent");
  QWidget* parentWidget = nullptr;
  if (newParent) {
    parentWidget = WidgetOf(newParent);
    if (!parentWidget) throw EOSError("SetParent: invalid parent window handle");
  }
  HWND old = GetParent(child);
  QWidget* w = r.Widget;
  bool visible = !w->isHidden();
  // The window keeps its place in client coordinates, which may start below
  // a menu bar in the old parent or the new one.
  QPoint pos = w->pos() - (w->isWindow() ? QPoint() : ClientOffset(w->parentWidget()));
  if (parentWidget) {
    w->setParent(parentWidget);
    r.Style = (r.Style | static_cast<LONG>(WS_CHILD)) & ~static_cast<LONG>(WS_POPUP);
  } else {
    w->setParent(nullptr, w->windowFlags() | Qt::Window);
    r.Style &= ~static_cast<LONG>(WS_CHILD);
  }
  w->move(pos + (w->isWindow() ? QPoint() : ClientOffset(w->parentWidget())));
  if (visible) w->show();
  return old;
}

bool IsChild(HWND parent, HWND hwnd) {
  QWidget* p = WidgetOf(parent);
  QWidget* c = WidgetOf(hwnd);
  return p && c && p != c && p->isAncestorOf(c);
}

namespace {

// Windows below a parent, topmost first; top-level windows in creation order.
std::vector<HWND> Siblings(HWND hwnd) {
  std::vector<HWND> result;
  QWidget* w = WidgetOf(hwnd);
  if (!w) return result;
  if (QWidget* parent = w->isWindow() ? nullptr : w->parentWidget()) {
    const QObjectList& children = parent->children();
    for (auto it = children.rbegin(); it != children.rend(); ++it)
      if (TWindowRecord* r = WindowRecordOfWidget(*it)) result.push_back(r->Handle);
  } else {
    ForEachWindow([&](TWindowRecord& r) {
      if (r.Widget && r.Widget->isWindow()) result.push_back(r.Handle);
    });
  }
  return result;
}

}  // namespace

HWND GetTopWindow(HWND parent) {
  QWidget* p = WidgetOf(parent);
  if (!p) return nullptr;
  const QObjectList& children = p->children();
  for (auto it = children.rbegin(); it != children.rend(); ++it)
    if (TWindowRecord* r = WindowRecordOfWidget(*it)) return r->Handle;
  return nullptr;
}

HWND GetWindow(HWND hwnd, UINT relation) {
  if (relation == GW_CHILD) return GetTopWindow(hwnd);
  if (relation == GW_OWNER) {
    QWidget* w = WidgetOf(hwnd);
    return w && w->isWindow() ? GetParent(hwnd) : nullptr;
  }
  std::vector<HWND> s = Siblings(hwnd);
  if (s.empty()) return nullptr;
  auto at = std::find(s.begin(), s.end(), hwnd);
  switch (relation) {
    case GW_HWNDFIRST: return s.front();
    case GW_HWNDLAST: return s.back();
    case GW_HWNDNEXT: return at + 1 < s.end() ? *(at + 1) : nullptr;
    case GW_HWNDPREV: return at != s.begin() && at != s.end() ? *(at - 1) : nullptr;
    default: return nullptr;
  }
}

LONG_PTR GetWindowLongPtr(HWND hwnd, int index) {
  TWindowRecord* r = FindWindowRecord(hwnd);
  if (!r) return 0;
  switch (index) {
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(r->Proc ? r->Proc : &DefWindowProc);
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(r->Instance);
    case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(GetParent(hwnd));
    case GWLP_ID: return r->Id;
    case GWL_STYLE: return r->Style;
    case GWL_EXSTYLE: return r->ExStyle;
    case GWLP_USERDATA: return r->UserData;
    default: return 0;
  }
}

LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value) {
  TWindowRecord* r = FindWindowRecord(hwnd);
  if (!r) return 0;
  LONG_PTR old = GetWindowLongPtr(hwnd, index);
  switch (index) {
    case GWLP_WNDPROC: r->Proc = reinterpret_cast<WNDPROC>(value); break;
    case GWLP_HINSTANCE: r->Instance = reinterpret_cast<HINSTANCE>(value); break;
    case GWLP_ID: r->Id = value; break;
    case GWL_STYLE: r->Style = static_cast<LONG>(value); break;
    case GWL_EXSTYLE: r->ExStyle = static_cast<LONG>(value); break;
    case GWLP_USERDATA: r->UserData = value; break;
    default: return 0;
  }
  return old;
}

LONG GetWindowLong(HWND hwnd, int index) { return static_cast<LONG>(GetWindowLongPtr(hwnd, index)); }
LONG SetWindowLong(HWND hwnd, int index, LONG value) {
  return static_cast<LONG>(SetWindowLongPtr(hwnd, index, value));
}

bool SetProp(HWND hwnd, const char* name, HANDLE data) {
  TWindowRecord* r = FindWindowRecord(hwnd);
  if (!r || !name) return false;
  r->Props[name] = data;
  return true;
}

HANDLE GetProp(HWND hwnd, const char* name) {
  TWindowRecord* r = FindWindowRecord(hwnd);
  if (!r || !name) return nullptr;
  auto it = r->Props.find(name);
  return it == r->Props.end() ? nullptr : it->second;
}

HANDLE RemoveProp(HWND hwnd, const char* name) {
  HANDLE old = GetProp(hwnd, name);
  if (old) FindWindowRecord(hwnd)->Props.erase(name);
  return old;
}
