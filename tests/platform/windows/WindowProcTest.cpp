#include <gtest/gtest.h>

#include <string>

#include "WindowsTestSupport.h"
#include "platform/core/Exceptions.h"

namespace {

std::string Chain;
WNDPROC SavedByA = nullptr;
WNDPROC SavedByB = nullptr;

LRESULT ProcA(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_USER) Chain += "A";
  return CallWindowProc(SavedByA, h, m, w, l);
}

LRESULT ProcB(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_USER) Chain += "B";
  return CallWindowProc(SavedByB, h, m, w, l);
}

std::string Deliver(HWND hwnd) {
  Chain.clear();
  Received().clear();
  SendMessage(hwnd, WM_USER, 0, 0);
  return Chain + (CountReceived(WM_USER, hwnd) ? "R" : "");
}

TEST(WindowProcedures, ReplacedProceduresChainAndComeBackInReverseOrder) {
  TTestWindows windows;
  HWND h = windows.Child;
  SavedByA = reinterpret_cast<WNDPROC>(SetWindowLongPtr(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ProcA)));
  SavedByB = reinterpret_cast<WNDPROC>(SetWindowLongPtr(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ProcB)));
  EXPECT_EQ(Deliver(h), "BAR");
  SetWindowLongPtr(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SavedByB));
  EXPECT_EQ(Deliver(h), "AR");
  SetWindowLongPtr(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SavedByA));
  EXPECT_EQ(Deliver(h), "R");
}

TEST(WindowProcedures, DestroyingTellsParentsFirstAndLeavesStaleHandlesInvalid) {
  TTestWindows windows;
  HWND top = windows.Top;
  HWND child = windows.Child;
  SetWindowLongPtr(child, GWLP_USERDATA, 0x3020B);
  EXPECT_EQ(GetWindowLongPtr(child, GWLP_USERDATA), 0x3020B);
  EXPECT_TRUE(IsChild(top, child));
  EXPECT_EQ(GetParent(child), top);
  DestroyWindow(top);
  std::vector<HWND> destroyed;
  for (const TReceived& r : Received())
    if (r.msg == WM_DESTROY) destroyed.push_back(r.hwnd);
  EXPECT_EQ(destroyed, (std::vector<HWND>{top, child}));
  EXPECT_FALSE(IsWindow(top));
  EXPECT_FALSE(IsWindow(child));
  EXPECT_EQ(GetWindowLongPtr(child, GWLP_USERDATA), 0);
  EXPECT_FALSE(PostMessage(child, WM_USER, 0, 0));
}

TEST(WindowProcedures, SetWindowPosLetsTheWindowChangeTheRequest) {
  TTestWindows windows;
  RecordingBehaviour = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    if (m == WM_WINDOWPOSCHANGING) reinterpret_cast<WINDOWPOS*>(l)->cy = 58;
    return DefWindowProc(h, m, w, l);
  };
  SetWindowPos(windows.Child, nullptr, 5, 6, 70, 80, SWP_NOZORDER);
  RECT r;
  GetClientRect(windows.Child, &r);
  EXPECT_EQ(r, Rect(0, 0, 70, 58));
  int order = 0;
  int changing = 0, changed = 0, size = 0;
  for (const TReceived& m : Received()) {
    ++order;
    if (m.msg == WM_WINDOWPOSCHANGING) changing = order;
    if (m.msg == WM_WINDOWPOSCHANGED) changed = order;
    if (m.msg == WM_SIZE) size = order;
  }
  EXPECT_TRUE(changing && changing < changed && changed < size);
}

TEST(WindowProcedures, ACreationRefusedByTheWindowAnswersZero) {
  RecordingBehaviour = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    return m == WM_CREATE ? -1 : DefWindowProc(h, m, w, l);
  };
  EXPECT_EQ(CreateWindowEx(0, RecordingClass, "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr), nullptr);
  RecordingBehaviour = nullptr;
  EXPECT_THROW(CreateWindowEx(0, "NoSuchClass", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr),
               EOSError);
}

}  // namespace
