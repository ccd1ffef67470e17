#include <gtest/gtest.h>

#include <string>

#include "ControlsTestSupport.h"

namespace {

constexpr UINT WM_TEST = WM_USER + 7;
std::string Trace;

class TBaseHandler : public TTestPanel {
  MORVANE_CLASS(TBaseHandler, TTestPanel)
  MORVANE_MESSAGE_TABLE(TBaseHandler)

 public:
  using TTestPanel::TTestPanel;

 protected:
  void WMTest(TMessage& m) {
    Trace += "base;";
    m.Result = 1;
  }
  void DefaultHandler(TMessage& m) override {
    if (m.Msg == WM_TEST) Trace += "default;";
    inherited::DefaultHandler(m);
  }
};
void TBaseHandler::Messages(TMessageMap<TBaseHandler>& m) { m.On<&TBaseHandler::WMTest>(WM_TEST); }

class TDerivedHandler : public TBaseHandler {
  MORVANE_CLASS(TDerivedHandler, TBaseHandler)
  MORVANE_MESSAGE_TABLE(TDerivedHandler)

 public:
  using TBaseHandler::TBaseHandler;

 protected:
  void WMTest(TMessage& m) {
    Trace += "derived;";
    DispatchFrom(inherited::ClassMessageTable(), m);
    m.Result += 10;
  }
};
void TDerivedHandler::Messages(TMessageMap<TDerivedHandler>& m) { m.On<&TDerivedHandler::WMTest>(WM_TEST); }

TEST(Messages, HandlerTablesPickTheClosestClassAndFallBackToDefaultHandling) {
  TBaseHandler base(nullptr);
  TDerivedHandler derived(nullptr);
  TTestPanel plain(nullptr);
  struct TCase {
    TControl* Control;
    std::string Trace;
    LRESULT Result;
  } cases[] = {{&base, "base;", 1}, {&derived, "derived;base;", 11}, {&plain, "", 0}};
  for (const TCase& c : cases) {
    Trace.clear();
    EXPECT_EQ(c.Control->Perform(WM_TEST, 0, 0), c.Result) << c.Control->ClassName();
    EXPECT_EQ(Trace, c.Trace) << c.Control->ClassName();
  }
  Trace.clear();
  base.Perform(WM_TEST + 1, 0, 0);
  EXPECT_EQ(Trace, "");
}

TEST(Messages, AReplacedWindowProcSeesWindowMessagesAndCanBeRestored) {
  TShownForm shown;
  auto* panel = new TTestPanel(shown.Form);
  panel->SetParent(shown.Form);
  int clicks = 0;
  panel->OnClick = [&](TObject*) { ++clicks; };
  std::string seen;
  TWndMethod saved = panel->WindowProc;
  panel->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_TEST) {
      seen += m.Msg == WM_TEST ? "test;" : "down;";
      return;  // eaten
    }
    saved(m);
  };
  ClickAt(panel, {5, 5});
  SendMessage(panel->Handle(), WM_TEST, 0, 0);
  EXPECT_EQ(seen, "down;test;");
  EXPECT_EQ(clicks, 0);
  panel->WindowProc = saved;
  ClickAt(panel, {5, 5});
  EXPECT_EQ(seen, "down;test;");
  EXPECT_EQ(clicks, 1);
}

TEST(Messages, TheWindowOfAControlLeadsBackToIt) {
  TShownForm shown;
  auto* panel = new TTestPanel(shown.Form);
  EXPECT_FALSE(panel->HandleAllocated());
  panel->SetParent(shown.Form);  // the form shows: the panel gets its window
  ASSERT_TRUE(panel->HandleAllocated());
  EXPECT_EQ(TWinControl::FindControl(panel->Handle()), panel);
  EXPECT_EQ(GetParent(panel->Handle()), shown.Form->Handle());
  EXPECT_TRUE(panel->Showing());
  panel->SetCaption("Hello");
  EXPECT_EQ(GetWindowTextString(panel->Handle()), "Hello");
  HWND old = panel->Handle();
  panel->SetParent(nullptr);
  EXPECT_FALSE(IsWindow(old));
  EXPECT_FALSE(panel->HandleAllocated());
  EXPECT_EQ(panel->Caption(), "Hello");
  panel->Free();
}

}  // namespace
