#include "WindowsTestSupport.h"

#include <gtest/gtest.h>

#include "platform/windows/QtWindows.h"

namespace {

class TQtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "test_platform_windows";
    static char* argv[] = {name, nullptr};
    App = new QApplication(argc, argv);
    WNDCLASS cls;
    cls.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
      Received().push_back({h, m, w, l});
      return RecordingBehaviour ? RecordingBehaviour(h, m, w, l) : DefWindowProc(h, m, w, l);
    };
    cls.lpszClassName = RecordingClass;
    RegisterClass(&cls);
  }
  void TearDown() override { delete App; }
  QApplication* App = nullptr;
};

const auto* const Environment = ::testing::AddGlobalTestEnvironment(new TQtEnvironment);

}  // namespace

const char* const RecordingClass = "MorvaneRecordingWindow";
std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)> RecordingBehaviour;

std::vector<TReceived>& Received() {
  static std::vector<TReceived> received;
  return received;
}

int CountReceived(UINT msg, HWND hwnd) {
  int n = 0;
  for (const TReceived& r : Received()) n += r.msg == msg && (!hwnd || r.hwnd == hwnd);
  return n;
}

TTestWindows::TTestWindows() {
  Top = CreateWindowEx(0, RecordingClass, "Top", WS_OVERLAPPEDWINDOW, 100, 100, 200, 150, nullptr,
                       nullptr, nullptr, nullptr);
  Child = CreateWindowEx(0, RecordingClass, "Child", WS_CHILD | WS_VISIBLE, 20, 30, 50, 40, Top,
                         nullptr, nullptr, nullptr);
  ShowWindow(Top, SW_SHOW);
  QApplication::processEvents();
  Received().clear();
}

TTestWindows::~TTestWindows() {
  DestroyWindow(Top);
  RecordingBehaviour = nullptr;
  Received().clear();
}

void SendMouse(QWidget* widget, QEvent::Type type, QPoint local, Qt::MouseButton button,
               Qt::MouseButtons buttons, Qt::KeyboardModifiers mods) {
  QPointF global = widget->mapToGlobal(QPointF(local));
  QMouseEvent event(type, QPointF(local), global, button, buttons, mods);
  QApplication::sendEvent(widget, &event);
}

void Click(QWidget* widget, QPoint local) {
  SendMouse(widget, QEvent::MouseButtonPress, local, Qt::LeftButton, Qt::LeftButton);
  SendMouse(widget, QEvent::MouseButtonRelease, local, Qt::LeftButton, Qt::NoButton);
}
