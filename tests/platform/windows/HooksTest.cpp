#include <gtest/gtest.h>

#include <QPushButton>
#include <string>

#include "WindowsTestSupport.h"
#include "platform/core/Exceptions.h"
#include "platform/windows/QtWindows.h"

namespace {

std::string Trace;
HHOOK HookA = nullptr;
HHOOK HookB = nullptr;
bool BPassesOn = true;
HWND EatTarget = nullptr;

LRESULT HookProcA(int code, WPARAM w, LPARAM l) {
  auto* m = reinterpret_cast<MSG*>(l);
  if (code == HC_ACTION && w == PM_REMOVE && m->message == WM_USER + 7) Trace += "A";
  return CallNextHookEx(HookA, code, w, l);
}

LRESULT HookProcB(int code, WPARAM w, LPARAM l) {
  auto* m = reinterpret_cast<MSG*>(l);
  if (m->message == WM_USER + 7) Trace += "B";
  return BPassesOn ? CallNextHookEx(HookB, code, w, l) : 0;
}

LRESULT UnhookingB(int code, WPARAM w, LPARAM l) {
  auto* m = reinterpret_cast<MSG*>(l);
  if (m->message == WM_USER + 7) {
    Trace += "b";
    UnhookWindowsHookEx(HookB);
  }
  return CallNextHookEx(HookB, code, w, l);
}

LRESULT EatingHook(int code, WPARAM w, LPARAM l) {
  auto* m = reinterpret_cast<MSG*>(l);
  if (m->hwnd == EatTarget && (m->message == WM_LBUTTONDOWN || m->message == WM_LBUTTONUP))
    m->message = WM_NULL;
  return CallNextHookEx(nullptr, code, w, l);
}

struct THookFixture : ::testing::Test {
  void TearDown() override {
    UnhookWindowsHookEx(HookA);
    UnhookWindowsHookEx(HookB);
    HookA = HookB = nullptr;
    Trace.clear();
    BPassesOn = true;
  }
  static void PostAndDeliver() {
    PostThreadMessage(GetCurrentThreadId(), WM_USER + 7, 0, 0);
    QApplication::processEvents();
  }
};

TEST_F(THookFixture, NewestHookRunsFirstAndChainsToTheOlderOne) {
  struct {
    bool passOn;
    const char* expected;
  } cases[] = {{true, "BA"}, {false, "B"}};
  for (auto c : cases) {
    HookA = SetWindowsHookEx(WH_GETMESSAGE, HookProcA, nullptr, GetCurrentThreadId());
    HookB = SetWindowsHookEx(WH_GETMESSAGE, HookProcB, nullptr, GetCurrentThreadId());
    BPassesOn = c.passOn;
    PostAndDeliver();
    EXPECT_EQ(Trace, c.expected);
    TearDown();
  }
}

TEST_F(THookFixture, AHookMayUnhookItselfWhileItRuns) {
  HookA = SetWindowsHookEx(WH_GETMESSAGE, HookProcA, nullptr, GetCurrentThreadId());
  HookB = SetWindowsHookEx(WH_GETMESSAGE, UnhookingB, nullptr, GetCurrentThreadId());
  PostAndDeliver();
  PostAndDeliver();
  EXPECT_EQ(Trace, "bAA");
  EXPECT_FALSE(UnhookWindowsHookEx(HookB));
}

TEST_F(THookFixture, HooksOfOtherThreadsOrKindsAreRefused) {
  EXPECT_THROW(SetWindowsHookEx(WH_GETMESSAGE, HookProcA, nullptr, GetCurrentThreadId() + 1), EOSError);
  EXPECT_THROW(SetWindowsHookEx(13, HookProcA, nullptr, 0), EOSError);
}

TEST_F(THookFixture, RewritingAPressToNullKeepsItFromTheWidget) {
  for (bool eat : {false, true}) {
    auto* button = new QPushButton("Press");
    HWND hwnd = CreateWindowForWidget(button, "Button", nullptr, true);
    button->resize(80, 30);
    button->show();
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
    EatTarget = hwnd;
    HHOOK hook = eat ? SetWindowsHookEx(WH_GETMESSAGE, EatingHook, nullptr, 0) : nullptr;
    Click(button, QPoint(10, 10));
    EXPECT_EQ(clicks, eat ? 0 : 1) << "eat=" << eat;
    UnhookWindowsHookEx(hook);
    DestroyWindow(hwnd);
  }
}

std::vector<std::string> SentTrace;

LRESULT CallWndProcHook(int code, WPARAM w, LPARAM l) {
  auto* cwp = reinterpret_cast<CWPSTRUCT*>(l);
  if (cwp->message == WM_USER + 3 || cwp->message == WM_CLOSE)
    SentTrace.push_back("hook:" + std::to_string(cwp->message));
  return CallNextHookEx(nullptr, code, w, l);
}

TEST(SentMessages, ReachTheCallWindowProcedureHookBeforeTheWindow) {
  TTestWindows windows;
  RecordingBehaviour = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    if (m == WM_USER + 3 || m == WM_CLOSE) {
      SentTrace.push_back("proc:" + std::to_string(m));
      return 0;  // the close is refused, the window stays
    }
    return DefWindowProc(h, m, w, l);
  };
  HHOOK hook = SetWindowsHookEx(WH_CALLWNDPROC, CallWndProcHook, nullptr, GetCurrentThreadId());
  SendMessage(windows.Child, WM_USER + 3, 0, 0);
  WindowWidget(windows.Top)->close();  // a real close event, made a sent WM_CLOSE
  UnhookWindowsHookEx(hook);
  std::vector<std::string> expected = {"hook:1027", "proc:1027", "hook:16", "proc:16"};
  EXPECT_EQ(SentTrace, expected);
  EXPECT_TRUE(IsWindowVisible(windows.Top));
}

}  // namespace
