#include <gtest/gtest.h>

#include <vector>

#include "ControlsTestSupport.h"

namespace {

TEST(Layout, BringToFrontAndSendToBackReorderControlsAndWindows) {
  TShownForm shown;
  auto make = [&](const char* name) {
    auto* panel = new TTestPanel(shown.Form);
    panel->SetName(name);
    panel->SetParent(shown.Form);
    return panel;
  };
  TTestPanel* p1 = make("P1");
  TTestPanel* p2 = make("P2");
  TTestPanel* p3 = make("P3");
  auto* shape = new TTestShape(shown.Form);
  shape->SetParent(shown.Form);
  auto order = [&] {
    std::vector<TControl*> controls;
    for (int i = 0; i < shown.Form->ControlCount(); ++i) controls.push_back(shown.Form->Controls(i));
    return controls;
  };
  // Windows are listed topmost first.
  auto windows = [&] {
    std::vector<HWND> list;
    for (HWND h = GetWindow(shown.Form->Handle(), GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
      list.push_back(h);
    return list;
  };
  EXPECT_EQ(order(), (std::vector<TControl*>{shape, p1, p2, p3}));  // graphic ones first
  EXPECT_EQ(windows(), (std::vector<HWND>{p3->Handle(), p2->Handle(), p1->Handle()}));
  p1->BringToFront();
  EXPECT_EQ(order(), (std::vector<TControl*>{shape, p2, p3, p1}));
  EXPECT_EQ(windows(), (std::vector<HWND>{p1->Handle(), p3->Handle(), p2->Handle()}));
  p3->SendToBack();
  EXPECT_EQ(order(), (std::vector<TControl*>{shape, p3, p2, p1}));
  EXPECT_EQ(windows(), (std::vector<HWND>{p1->Handle(), p2->Handle(), p3->Handle()}));
}

TEST(Layout, AlignedChildrenShareTheClientAreaInThePlatformsOrder) {
  struct TChild {
    TAlign Align;
    TRect Bounds;  // before aligning
  };
  struct TCase {
    std::vector<TChild> Children;
    std::vector<TRect> Expected;
  } cases[] = {
      {{{alTop, Bounds(0, 0, 10, 20)}, {alClient, Bounds(0, 0, 5, 5)}},
       {Bounds(0, 0, 200, 20), Bounds(0, 20, 200, 130)}},
      {{{alClient, Bounds(0, 0, 5, 5)}, {alLeft, Bounds(0, 0, 30, 9)}, {alTop, Bounds(0, 0, 9, 15)}},
       {Bounds(30, 15, 170, 135), Bounds(0, 15, 30, 135), Bounds(0, 0, 200, 15)}},
      // Two top strips keep the order of their tops, whatever their creation order.
      {{{alTop, Bounds(0, 50, 10, 10)}, {alTop, Bounds(0, 5, 10, 25)}, {alBottom, Bounds(0, 0, 10, 40)}},
       {Bounds(0, 25, 200, 10), Bounds(0, 0, 200, 25), Bounds(0, 110, 200, 40)}},
      {{{alRight, Bounds(0, 0, 50, 10)}, {alLeft, Bounds(0, 0, 40, 10)}, {alNone, Bounds(60, 70, 8, 9)}},
       {Bounds(150, 0, 50, 150), Bounds(0, 0, 40, 150), Bounds(60, 70, 8, 9)}},
  };
  for (const TCase& c : cases) {
    TShownForm shown(200, 150);
    std::vector<TControl*> made;
    shown.Form->DisableAlign();
    for (const TChild& child : c.Children) {
      auto* panel = new TTestPanel(shown.Form);
      panel->SetBoundsRect(child.Bounds);
      panel->SetParent(shown.Form);
      panel->SetAlign(child.Align);
      made.push_back(panel);
    }
    shown.Form->EnableAlign();
    for (size_t i = 0; i < made.size(); ++i) EXPECT_EQ(made[i]->BoundsRect(), c.Expected[i]) << i;
    // Resizing the parent realigns.
    shown.Form->SetClientWidth(300);
    if (c.Children[0].Align == alTop) {
      EXPECT_EQ(made[0]->Width(), 300);
    }
  }
}

TEST(Layout, DisableAlignDefersRealigningUntilEnabled) {
  TShownForm shown(200, 150);
  auto* panel = new TTestPanel(shown.Form);
  panel->SetParent(shown.Form);
  shown.Form->DisableAlign();
  panel->SetAlign(alClient);
  EXPECT_EQ(panel->BoundsRect(), Bounds(0, 0, 100, 60));
  EXPECT_TRUE(shown.Form->ControlState().Contains(csAlignmentNeeded));
  shown.Form->EnableAlign();
  EXPECT_EQ(panel->BoundsRect(), Bounds(0, 0, 200, 150));
  // The panel's window followed.
  RECT r;
  GetClientRect(panel->Handle(), &r);
  EXPECT_EQ(r, Rect(0, 0, 200, 150));
}

}  // namespace
