#include <gtest/gtest.h>

#include "WindowsTestSupport.h"
#include "platform/windows/QtWindows.h"

namespace {

TEST(Capture, MouseMessagesGoToTheCaptureWindowInItsCoordinates) {
  TTestWindows windows;
  QWidget* top = WindowWidget(windows.Top);
  SetCapture(windows.Child);
  SendMouse(top, QEvent::MouseMove, QPoint(5, 150), Qt::NoButton, Qt::NoButton);
  ASSERT_EQ(CountReceived(WM_MOUSEMOVE, windows.Child), 1);
  EXPECT_EQ(CountReceived(WM_MOUSEMOVE, windows.Top), 0);
  const TReceived& move = Received().back();
  EXPECT_EQ(LParamToPoint(move.lParam), Point(5 - 20, 150 - 30));
  ReleaseCapture();
  EXPECT_EQ(GetCapture(), nullptr);
  SendMouse(top, QEvent::MouseMove, QPoint(6, 150), Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(CountReceived(WM_MOUSEMOVE, windows.Top), 1);
}

TEST(Capture, ClipCursorConfinesThePositionSetAndReported) {
  RECT clip = Rect(10, 20, 110, 70);
  struct {
    POINT asked;
    POINT expected;
  } cases[] = {{{50, 40}, {50, 40}},  {{0, 0}, {10, 20}},     {{500, 500}, {109, 69}},
               {{110, 70}, {109, 69}}, {{-5, 45}, {10, 45}}};
  ClipCursor(&clip);
  for (auto c : cases) {
    SetCursorPos(c.asked.X, c.asked.Y);
    POINT p;
    GetCursorPos(&p);
    EXPECT_EQ(p, c.expected) << c.asked.X << "," << c.asked.Y;
  }
  ClipCursor(nullptr);
  SetCursorPos(500, 500);
  POINT p;
  GetCursorPos(&p);
  EXPECT_EQ(p, Point(500, 500));
}

TEST(Cursor, GetCursorAnswersWhatTheWindowUnderThePointerSet) {
  TTestWindows windows;
  HCURSOR sizeWE = LoadCursor(nullptr, IDC_SIZEWE);
  HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
  ASSERT_NE(sizeWE, arrow);
  static HWND child;
  child = windows.Child;
  RecordingBehaviour = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    if (m == WM_SETCURSOR && h == child) {
      SetCursor(LoadCursor(nullptr, IDC_SIZEWE));
      return 1;
    }
    return DefWindowProc(h, m, w, l);
  };
  struct {
    HWND over;
    HCURSOR expected;
  } cases[] = {{windows.Child, sizeWE}, {windows.Top, arrow}, {windows.Child, sizeWE}};
  for (auto c : cases) {
    SendMouse(WindowWidget(c.over), QEvent::MouseMove, QPoint(3, 3), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(GetCursor(), c.expected);
  }
}

}  // namespace
