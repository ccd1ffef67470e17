#include <gtest/gtest.h>

#include <QMenuBar>

#include "WindowsTestSupport.h"
#include "platform/windows/QtWindows.h"

namespace {

// The test windows with a menu bar on the top one: its client area starts
// below the bar.
struct TWindowsWithBar : TTestWindows {
  TWindowsWithBar() {
    Bar = new QMenuBar(WindowWidget(Top));
    Bar->addMenu("&File");
    SetWindowMenuBar(Top, Bar);
    QApplication::processEvents();
    BarHeight = Bar->height();
  }
  QMenuBar* Bar;
  int BarHeight = 0;
};

POINT ClientOriginOnScreen(HWND hwnd) {
  POINT p{0, 0};
  ClientToScreen(hwnd, &p);
  return p;
}

TEST(MenuBar, TheClientAreaStartsBelowTheBarAndComesBackWithoutIt) {
  TWindowsWithBar windows;
  QWidget* top = WindowWidget(windows.Top);
  ASSERT_GT(windows.BarHeight, 0);
  EXPECT_EQ(windows.Bar->geometry(), QRect(0, 0, top->width(), windows.BarHeight));

  RECT client;
  GetClientRect(windows.Top, &client);
  EXPECT_EQ(client.Height(), top->height() - windows.BarHeight);
  EXPECT_EQ(client.Width(), top->width());
  POINT origin = ClientOriginOnScreen(windows.Top);
  QPoint below = top->mapToGlobal(QPoint(0, windows.BarHeight));
  EXPECT_EQ(origin.X, below.x());
  EXPECT_EQ(origin.Y, below.y());
  // The window heard that its client area shrank.
  LPARAM reportedSize = 0;
  for (const TReceived& r : Received())
    if (r.hwnd == windows.Top && r.msg == WM_SIZE) reportedSize = r.lParam;
  EXPECT_EQ(reportedSize, MAKELPARAM(client.Width(), client.Height()));

  // The child kept its client place (20,30): it moved down with the origin,
  // and reports and takes places in client coordinates.
  QWidget* child = WindowWidget(windows.Child);
  EXPECT_EQ(child->pos(), QPoint(20, 30 + windows.BarHeight));
  RECT r;
  GetWindowRect(windows.Child, &r);
  POINT corner = r.TopLeft();
  ScreenToClient(windows.Top, &corner);
  EXPECT_EQ(corner.X, 20);
  EXPECT_EQ(corner.Y, 30);
  MoveWindow(windows.Child, 0, 0, 50, 40, true);
  EXPECT_EQ(child->pos(), QPoint(0, windows.BarHeight));
  EXPECT_EQ(ChildWindowFromPoint(windows.Top, {1, 1}), windows.Child);
  POINT mapped{0, 0};
  MapWindowPoints(windows.Child, windows.Top, &mapped, 1);
  EXPECT_EQ(mapped.Y, 0);

  SetWindowMenuBar(windows.Top, nullptr);
  GetClientRect(windows.Top, &client);
  EXPECT_EQ(client.Height(), top->height());
  EXPECT_EQ(child->pos(), QPoint(0, 0));
  EXPECT_TRUE(windows.Bar->isHidden());
}

TEST(MenuBar, MouseMessagesCountFromTheClientOriginAndTheBarKeepsItsOwn) {
  TWindowsWithBar windows;
  QWidget* top = WindowWidget(windows.Top);
  Click(top, QPoint(100, windows.BarHeight + 5));
  ASSERT_EQ(CountReceived(WM_LBUTTONDOWN, windows.Top), 1);
  for (const TReceived& r : Received())
    if (r.msg == WM_LBUTTONDOWN) {
      EXPECT_EQ(r.lParam, MAKELPARAM(100, 5));
    }

  Received().clear();
  Click(windows.Bar, QPoint(windows.Bar->width() - 3, 3));
  EXPECT_EQ(CountReceived(WM_LBUTTONDOWN), 0) << "the bar is no part of the client area";
}

TEST(MenuBar, PaintingAndTheClientDCStartBelowTheBarTheWindowDCAtTheTop) {
  TWindowsWithBar windows;
  QWidget* top = WindowWidget(windows.Top);
  RECT painted{};
  RecordingBehaviour = [&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    if (h != windows.Top || m != WM_PAINT) return DefWindowProc(h, m, w, l);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(h, &ps);
    painted = ps.rcPaint;
    SetDCBrushColor(dc, RGB(255, 0, 0));
    PatBlt(dc, 0, 0, 200, 4, PATCOPY);
    EndPaint(h, &ps);
    return 0;
  };
  QImage image = top->grab().toImage();
  EXPECT_EQ(painted.Top, 0);
  EXPECT_EQ(painted.Bottom, top->height() - windows.BarHeight);
  EXPECT_EQ(image.pixel(150, windows.BarHeight + 1), qRgb(255, 0, 0));
  EXPECT_NE(image.pixel(150, 1), qRgb(255, 0, 0)) << "the bar stays above the client area";

  struct TCase {
    HDC (*Get)(HWND);
    int ExpectedRow;
  } cases[] = {{&GetDC, windows.BarHeight}, {&GetWindowDC, 0}};
  for (const TCase& c : cases) {
    HDC dc = c.Get(windows.Top);
    SetROP2(dc, R2_NOT);
    PatBlt(dc, 150, 0, 1, 1, DSTINVERT);
    ReleaseDC(windows.Top, dc);
    QImage layer = WindowXorLayer(windows.Top);
    EXPECT_EQ(layer.pixel(150, c.ExpectedRow) & 0xFFFFFF, 0xFFFFFFu) << c.ExpectedRow;
    dc = c.Get(windows.Top);
    SetROP2(dc, R2_NOT);
    PatBlt(dc, 150, 0, 1, 1, DSTINVERT);
    ReleaseDC(windows.Top, dc);
  }
}

}  // namespace
