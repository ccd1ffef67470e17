// Visibility, enabling, focus, activation and window text.

#include <QApplication>
#include <vector>

#include "platform/windows/Handles.h"
#include "platform/windows/MessageQueue.h"
#include "platform/windows/WindowRecord.h"

namespace {

void SetStyleBit(TWindowRecord& r, DWORD bit, bool on) {
  r.Style = on ? (r.Style | static_cast<LONG>(bit)) : (r.Style & ~static_cast<LONG>(bit));
}

// Activation straight away, so that focus and WM_ACTIVATE do not wait for the
// windowing system's answer.
void ActivateNow(QWidget* top) {
  QT_WARNING_PUSH
  QT_WARNING_DISABLE_DEPRECATED
  QApplication::setActiveWindow(top);
  QT_WARNING_POP
  top->activateWindow();
}

}  // namespace

bool IsWindowVisible(HWND hwnd) {
  QWidget* w = WidgetOf(hwnd);
  return w && w->isVisible();
}

bool ShowWindow(HWND hwnd, int command) {
  TWindowRecord* r = FindWindowRecord(hwnd);
  if (!r || !r->Widget) return false;
  bool wasVisible = !r->Widget->isHidden();
  bool show = command != SW_HIDE;
  if (show != wasVisible) SendMessage(hwnd, WM_SHOWWINDOW, show ? 1 : 0, 0);
  r = FindWindowRecord(hwnd);
  if (!r || !r->Widget) return wasVisible;
  QWidget* w = r->Widget;
  bool top = w->isWindow();
  switch (command) {
    case SW_HIDE: w->hide(); break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE: top ? w->showMinimized() : w->show(); break;
    case SW_SHOWMAXIMIZED: top ? w->showMaximized() : w->show(); break;
    case SW_SHOWNOACTIVATE:
    case SW_SHOWNA:
      w->setAttribute(Qt::WA_ShowWithoutActivating, true);
      w->show();
      w->setAttribute(Qt::WA_ShowWithoutActivating, false);
      break;
    case SW_SHOWNORMAL:
    case SW_RESTORE: top ? w->showNormal() : w->show(); break;
    default: w->show(); break;
  }
  bool activates = command == SW_SHOW || command == SW_SHOWNORMAL || command == SW_RESTORE ||
                   command == SW_SHOWMAXIMIZED;
  if (top && activates) ActivateNow(w);
  SetStyleBit(*r, WS_VISIBLE, show);
  return wasVisible;
}

bool IsWindowEnabled(HWND hwnd) {
  QWidget* w = WidgetOf(hwnd);
  return w && w->isEnabled();
}

bool EnableWindow(HWND hwnd, bool enable) {
  TWindowRecord* r = FindWindowRecord(hwnd);
  if (!r || !r->Widget) return false;
  bool wasDisabled = r->Widget->testAttribute(Qt::WA_Disabled);
  if (wasDisabled == !enable) return wasDisabled;
  r->Widget->setEnabled(enable);
  SetStyleBit(*r, WS_DISABLED, !enable);
  SendMessage(hwnd, WM_ENABLE, enable ? 1 : 0, 0);
  return wasDisabled;
}

bool IsIconic(HWND hwnd) {
  QWidget* w = WidgetOf(hwnd);
  return w && w->isMinimized();
}

bool IsZoomed(HWND hwnd) {
  QWidget* w = WidgetOf(hwnd);
  return w && w->isMaximized();
}

HWND GetFocus() {
  TWindowRecord* r = NearestWindowRecord(QApplication::focusWidget());
  return r ? r->Handle : nullptr;
}

HWND SetFocus(HWND hwnd) {
  HWND old = GetFocus();
  if (!hwnd) {
    if (QWidget* f = QApplication::focusWidget()) f->clearFocus();
    return old;
  }
  QWidget* w = WidgetOf(hwnd);
  if (!w) return nullptr;
  if (QApplication::activeWindow() != w->window()) ActivateNow(w->window());
  w->setFocus(Qt::OtherFocusReason);
  return old;
}

HWND GetActiveWindow() {
  TWindowRecord* r = NearestWindowRecord(QApplication::activeWindow());
  return r ? r->Handle : nullptr;
}

HWND SetActiveWindow(HWND hwnd) {
  HWND old = GetActiveWindow();
  QWidget* w = WidgetOf(hwnd);
  if (!w) return nullptr;
  ActivateNow(w->window());
  return old;
}

HWND GetForegroundWindow() { return GetActiveWindow(); }

bool SetForegroundWindow(HWND hwnd) { return SetActiveWindow(hwnd) || GetActiveWindow() == hwnd; }

bool SetWindowText(HWND hwnd, const char* text) {
  return IsWindow(hwnd) && SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) != 0;
}

int GetWindowText(HWND hwnd, char* buffer, int maxCount) {
  if (!buffer || maxCount <= 0) return 0;
  buffer[0] = '\0';
  return static_cast<int>(SendMessage(hwnd, WM_GETTEXT, static_cast<WPARAM>(maxCount),
                                      reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLength(HWND hwnd) { return static_cast<int>(SendMessage(hwnd, WM_GETTEXTLENGTH, 0, 0)); }

std::string GetWindowTextString(HWND hwnd) {
  std::vector<char> buffer(static_cast<size_t>(GetWindowTextLength(hwnd)) + 1);
  int n = GetWindowText(hwnd, buffer.data(), static_cast<int>(buffer.size()));
  return std::string(buffer.data(), static_cast<size_t>(n));
}
