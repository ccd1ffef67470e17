// The message pump: one application-wide Qt event filter that turns the
// events of our windows into messages.
//
// Input (mouse, wheel, keys) becomes a queued message with the standard
// layout: the thread's get-message hooks see it and may rewrite or eat it,
// then the target's window procedure gets it. Qt handles the event itself only
// when the message, unchanged, reached default handling; otherwise the event
// is consumed. Paint, move and size, close, activation, focus and pointer
// enter/leave become sent messages, which the call-window-procedure hooks see.

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWheelEvent>
#include <iostream>

#include "platform/core/Exceptions.h"
#include "platform/windows/Cursors.h"
#include "platform/windows/Handles.h"
#include "platform/windows/KeyCodes.h"
#include "platform/windows/Keyboard.h"
#include "platform/windows/MessageQueue.h"
#include "platform/windows/WindowRecord.h"
#include "platform/windows/WindowsInternal.h"
#include "platform/windows/XorLayer.h"

namespace {

std::function<void(std::exception_ptr)>& ExceptionHandler() {
  static std::function<void(std::exception_ptr)> handler;
  return handler;
}

// Qt must never see an exception: a handler of the application reports it.
template <typename F>
bool Guarded(F&& f) {
  try {
    return f();
  } catch (...) {
    if (ExceptionHandler()) {
      ExceptionHandler()(std::current_exception());
    } else {
      try {
        throw;
      } catch (const std::exception& e) {
        std::cerr << "Unhandled exception in a window procedure: " << e.what() << '\n';
      } catch (...) {
        std::cerr << "Unhandled exception in a window procedure\n";
      }
    }
    return true;
  }
}

// Qt hands an input event its receiver ignored on to the receiver's parent.
// The platform does not: such a copy is recognised and left to Qt.
struct TInputSignature {
  QEvent::Type Type = QEvent::None;
  quint64 Timestamp = 0;
  QPointF Position;
  int What = 0;
  Qt::KeyboardModifiers Modifiers;
  bool operator==(const TInputSignature&) const = default;
};
TInputSignature LastInput;
QPointer<QWidget> LastReceiver;

bool IsPropagatedCopy(QWidget* receiver, const TInputSignature& s) {
  if (LastReceiver && s == LastInput && receiver != LastReceiver && receiver->isAncestorOf(LastReceiver))
    return true;
  LastInput = s;
  LastReceiver = receiver;
  return false;
}

bool RightButtonUpReachedDefault = true;

// Runs a queued message through the hooks and to its window. Answers whether
// the Qt event must be consumed.
bool RunInputMessage(MSG m, TWindowRecord& receiver) {
  HWND receiverWindow = receiver.Handle;
  ++receiver.DispatchDepth;
  struct TDepth {
    HWND Window;
    ~TDepth() {
      if (TWindowRecord* r = FindWindowRecord(Window)) --r->DispatchDepth;
    }
  } depth{receiverWindow};
  const HWND asked = m.hwnd;
  const UINT message = m.message;
  SetMessageTime(m.time);
  RunGetMessageHooks(m, PM_REMOVE);
  if (!m.hwnd || !IsWindow(m.hwnd)) return true;
  bool reached = false;
  CallWindowProcedure(m.hwnd, m.message, m.wParam, m.lParam, &reached);
  if (message == WM_RBUTTONUP) RightButtonUpReachedDefault = reached && m.message == message;
  bool toQt = reached && m.message == message && m.hwnd == asked && asked == receiverWindow;
  return !toQt || !IsWindow(receiverWindow);
}

WPARAM MouseKeys(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods) {
  WPARAM keys = 0;
  if (buttons & Qt::LeftButton) keys |= MK_LBUTTON;
  if (buttons & Qt::RightButton) keys |= MK_RBUTTON;
  if (buttons & Qt::MiddleButton) keys |= MK_MBUTTON;
  if (mods & Qt::ShiftModifier) keys |= MK_SHIFT;
  if (mods & Qt::ControlModifier) keys |= MK_CONTROL;
  return keys;
}

UINT MouseMessage(QEvent::Type type, Qt::MouseButton button) {
  int column = button == Qt::LeftButton ? 0 : button == Qt::RightButton ? 1 : button == Qt::MiddleButton ? 2 : -1;
  if (type == QEvent::MouseMove) return WM_MOUSEMOVE;
  if (column < 0) return WM_NULL;
  static const UINT table[3][3] = {{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK},
                                   {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK},
                                   {WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK}};
  int row = type == QEvent::MouseButtonPress ? 0 : type == QEvent::MouseButtonRelease ? 1 : 2;
  return table[column][row];
}

void NoteInputState(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons) {
  SetModifierState(mods & Qt::ShiftModifier, mods & Qt::ControlModifier, mods & Qt::AltModifier);
  SetMouseButtonState(buttons & Qt::LeftButton, buttons & Qt::RightButton, buttons & Qt::MiddleButton);
}

// The menu bar is the window's non-client area: Qt runs it, and the window
// hears nothing of the mouse there (its menus send the menu-loop messages).
bool OnMenuBar(const QWidget* receiver, const TWindowRecord& window) {
  for (; receiver && receiver != window.Widget; receiver = receiver->parentWidget())
    if (receiver == window.MenuBar) return true;
  return false;
}

bool HandleMouse(QWidget* receiver, QMouseEvent* e) {
  TWindowRecord* r = NearestWindowRecord(receiver);
  if (!r || OnMenuBar(receiver, *r)) return false;
  UINT msg = MouseMessage(e->type(), e->button());
  if (msg == WM_NULL) return false;
  if (IsPropagatedCopy(receiver, {e->type(), e->timestamp(), e->globalPosition(), int(e->button()), e->modifiers()}))
    return false;
  NoteInputState(e->modifiers(), e->buttons());
  POINT global = ConfineCursorPoint({e->globalPosition().toPoint().x(), e->globalPosition().toPoint().y()});
  SetLogicalCursorPos(global);
  HWND target = GetCapture() ? GetCapture() : r->Handle;
  UpdateCursorForPointer(target, msg);
  if (!IsWindow(target)) return true;
  POINT client = global;
  ScreenToClient(target, &client);
  MSG m;
  m.hwnd = target;
  m.message = msg;
  m.wParam = MouseKeys(e->buttons(), e->modifiers());
  m.lParam = PointToLParam(client);
  m.time = static_cast<DWORD>(e->timestamp());
  m.pt = global;
  TWindowRecord* receiverRecord = FindWindowRecord(r->Handle);
  return RunInputMessage(m, *receiverRecord);
}

bool HandleWheel(QWidget* receiver, QWheelEvent* e) {
  TWindowRecord* r = NearestWindowRecord(receiver);
  if (!r) return false;
  if (IsPropagatedCopy(receiver, {e->type(), e->timestamp(), e->globalPosition(), e->angleDelta().y(), e->modifiers()}))
    return false;
  NoteInputState(e->modifiers(), e->buttons());
  POINT global = ConfineCursorPoint({e->globalPosition().toPoint().x(), e->globalPosition().toPoint().y()});
  SetLogicalCursorPos(global);
  MSG m;
  m.hwnd = r->Handle;
  m.message = WM_MOUSEWHEEL;
  m.wParam = MAKEWPARAM(static_cast<WORD>(MouseKeys(e->buttons(), e->modifiers())),
                        static_cast<WORD>(e->angleDelta().y()));
  m.lParam = PointToLParam(global);
  m.time = static_cast<DWORD>(e->timestamp());
  m.pt = global;
  return RunInputMessage(m, *r);
}

bool HandleKey(QWidget* receiver, QKeyEvent* e) {
  TWindowRecord* r = NearestWindowRecord(receiver);
  if (!r) return false;
  WORD vk = VirtualKeyOf(*e);
  if (!vk && e->text().isEmpty()) return false;
  if (IsPropagatedCopy(receiver, {e->type(), e->timestamp(), QPointF(), e->key(), e->modifiers()}))
    return false;
  bool down = e->type() == QEvent::KeyPress;
  Qt::KeyboardModifiers mods = e->modifiers();
  SetModifierState(mods & Qt::ShiftModifier, mods & Qt::ControlModifier, mods & Qt::AltModifier);
  if (vk) SetKeyDown(vk, down);
  bool alt = mods & Qt::AltModifier;
  bool system = (alt && !(mods & Qt::ControlModifier)) || vk == VK_F10;
  DWORD data = static_cast<DWORD>(std::max(e->count(), 1)) & 0xFFFF;
  data |= (e->nativeScanCode() & 0xFF) << 16;
  if (alt) data |= 1u << 29;
  if (!down || e->isAutoRepeat()) data |= 1u << 30;
  if (!down) data |= 1u << 31;
  MSG m;
  m.hwnd = r->Handle;
  m.message = down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
  m.wParam = vk;
  m.lParam = static_cast<LPARAM>(static_cast<LONG>(data));
  m.time = static_cast<DWORD>(e->timestamp());
  GetCursorPos(&m.pt);
  HWND hwnd = r->Handle;
  if (vk && RunInputMessage(m, *r)) return true;
  if (!down || e->text().isEmpty()) return false;
  // The character follows the key press, as TranslateMessage makes it.
  TWindowRecord* now = FindWindowRecord(hwnd);
  if (!now) return true;
  m.message = system ? WM_SYSCHAR : WM_CHAR;
  m.wParam = e->text().at(0).unicode();
  return RunInputMessage(m, *now);
}

bool HandleContextMenu(QWidget* receiver, QContextMenuEvent* e) {
  TWindowRecord* r = WindowRecordOfWidget(receiver);
  if (!r) return false;
  if (e->reason() == QContextMenuEvent::Mouse && !RightButtonUpReachedDefault) return true;
  LPARAM at = e->reason() == QContextMenuEvent::Keyboard
                  ? MAKELPARAM(0xFFFF, 0xFFFF)
                  : MAKELPARAM(static_cast<WORD>(e->globalPos().x()), static_cast<WORD>(e->globalPos().y()));
  bool reached = true;
  SendNotification(r->Handle, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(r->Handle), at, &reached);
  return !reached;
}

bool Notify(QWidget* widget, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (TWindowRecord* r = WindowRecordOfWidget(widget)) SendNotification(r->Handle, msg, wParam, lParam);
  return false;
}

bool HandleClose(QWidget* widget, QCloseEvent* e) {
  TWindowRecord* r = WindowRecordOfWidget(widget);
  if (!r) return false;
  bool reached = true;
  SendNotification(r->Handle, WM_CLOSE, 0, 0, &reached);
  if (reached) return false;
  e->ignore();
  return true;
}

bool HandleActivation(QWidget* widget, bool active) {
  TWindowRecord* r = WindowRecordOfWidget(widget);
  if (!r || !widget->isWindow()) return false;
  if (!active)
    if (HWND capture = GetCapture(); capture && widget->isAncestorOf(WidgetOf(capture)))
      SendNotification(capture, WM_CANCELMODE, 0, 0);
  return Notify(widget, WM_ACTIVATE, MAKEWPARAM(active ? WA_ACTIVE : WA_INACTIVE, 0), 0);
}

class TMessagePump : public QObject {
 public:
  using QObject::QObject;
  static QEvent::Type PostedMessage() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
  }

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (!o->isWidgetType()) return false;
    auto* w = static_cast<QWidget*>(o);
    return Guarded([&] { return Filter(w, e); });
  }
  bool event(QEvent* e) override {
    if (e->type() != PostedMessage()) return QObject::event(e);
    Guarded([] {
      ProcessOnePostedMessage();
      return true;
    });
    return true;
  }
  void timerEvent(QTimerEvent* e) override {
    Guarded([&] {
      PumpTimerFired(e->timerId());
      return true;
    });
  }

 private:
  static bool Filter(QWidget* w, QEvent* e) {
    switch (e->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove: return HandleMouse(w, static_cast<QMouseEvent*>(e));
      case QEvent::Wheel: return HandleWheel(w, static_cast<QWheelEvent*>(e));
      case QEvent::KeyPress:
      case QEvent::KeyRelease: return HandleKey(w, static_cast<QKeyEvent*>(e));
      case QEvent::ContextMenu: return HandleContextMenu(w, static_cast<QContextMenuEvent*>(e));
      case QEvent::Paint: {
        TWindowRecord* r = WindowRecordOfWidget(w);
        if (r) return HandlePaintEvent(*r, static_cast<QPaintEvent*>(e));
        ForgetLayerDrawingsUnder(w, static_cast<QPaintEvent*>(e)->region());
        return false;
      }
      case QEvent::Move:
      case QEvent::Resize:
        if (TWindowRecord* r = WindowRecordOfWidget(w)) ReportQtGeometryChange(*r);
        return false;
      case QEvent::Close: return HandleClose(w, static_cast<QCloseEvent*>(e));
      case QEvent::WindowActivate: return HandleActivation(w, true);
      case QEvent::WindowDeactivate: return HandleActivation(w, false);
      case QEvent::FocusIn: return Notify(w, WM_SETFOCUS, 0, 0);
      case QEvent::FocusOut: return Notify(w, WM_KILLFOCUS, 0, 0);
      case QEvent::Enter: return Notify(w, CM_MOUSEENTER, 0, 0);
      case QEvent::Leave: return Notify(w, CM_MOUSELEAVE, 0, 0);
      default: return false;
    }
  }
};

QPointer<TMessagePump> ThePump;

}  // namespace

void EnsureMessagePump() {
  if (ThePump) return;
  if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
    throw EOSError("Windows need a QApplication: create one before the first window");
  ThePump = new TMessagePump(QCoreApplication::instance());
  QCoreApplication::instance()->installEventFilter(ThePump);
}

void WakePumpForPostedMessage() {
  QCoreApplication::postEvent(ThePump, new QEvent(TMessagePump::PostedMessage()));
}

int StartPumpTimer(UINT milliseconds) {
  EnsureMessagePump();
  return ThePump->startTimer(static_cast<int>(milliseconds));
}

void StopPumpTimer(int qtTimerId) {
  if (ThePump) ThePump->killTimer(qtTimerId);
}

void SetMessageExceptionHandler(std::function<void(std::exception_ptr)> handler) {
  ExceptionHandler() = std::move(handler);
}
