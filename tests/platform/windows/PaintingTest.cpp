#include <gtest/gtest.h>

#include <QLabel>

#include "WindowsTestSupport.h"
#include "platform/windows/QtWindows.h"

namespace {

// Paints a red square, lets the label paint itself into the same DC, then a
// blue square over the label's text.
LRESULT PaintAroundLabel(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m != WM_PAINT) return DefWindowProc(h, m, w, l);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(h, &ps);
  SetDCBrushColor(dc, RGB(255, 0, 0));
  PatBlt(dc, 0, 0, 4, 4, PATCOPY);
  DefWindowProc(h, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  SetDCBrushColor(dc, RGB(0, 0, 255));
  PatBlt(dc, 20, 8, 4, 4, PATCOPY);
  EndPaint(h, &ps);
  return 0;
}

int DarkPixels(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += qGray(image.pixel(x, y)) < 90;
  return n;
}

TEST(Painting, AWindowProcedurePaintsBeforeAndAfterANativeWidget) {
  auto* label = new QLabel("MMMMMMMMMM");
  label->setStyleSheet("color: black; background: white");
  label->resize(120, 24);
  HWND h = CreateWindowForWidget(label, "Label", PaintAroundLabel, true);
  label->show();
  QImage image = label->grab().toImage();
  EXPECT_EQ(image.pixel(1, 1), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(21, 9), qRgb(0, 0, 255));
  EXPECT_GT(DarkPixels(image.copy(30, 0, 90, 24)), 20) << "the label's own text is missing";
  DestroyWindow(h);
}

TEST(Painting, XorDrawingTwiceErasesWithoutRepaintingTheWindow) {
  TTestWindows windows;
  QWidget* top = WindowWidget(windows.Top);
  QRgb before = top->grab().toImage().pixel(22, 32);
  for (int pass = 1; pass <= 2; ++pass) {
    HDC dc = GetDC(windows.Child);
    SetROP2(dc, R2_NOT);
    Rectangle(dc, 2, 2, 30, 20);
    ReleaseDC(windows.Child, dc);
    QApplication::processEvents();
    QImage layer = WindowXorLayer(windows.Top);
    bool drawn = pass == 1;
    EXPECT_EQ(layer.pixel(22, 32) & 0xFFFFFF, drawn ? 0xFFFFFFu : 0u) << "pass " << pass;
    EXPECT_EQ(layer.pixel(25, 35) & 0xFFFFFF, 0u) << "inside the outline";
    QRgb shown = top->grab().toImage().pixel(22, 32);
    EXPECT_EQ(shown & 0xFFFFFF, drawn ? (~before & 0xFFFFFF) : (before & 0xFFFFFF)) << "pass " << pass;
  }
  // grab() repaints on purpose; the drawing itself must not.
  Received().clear();
  HDC dc = GetDC(windows.Child);
  SetROP2(dc, R2_XORPEN);
  Rectangle(dc, 2, 2, 30, 20);
  ReleaseDC(windows.Child, dc);
  QApplication::processEvents();
  EXPECT_EQ(CountReceived(WM_PAINT), 0);
}

}  // namespace
