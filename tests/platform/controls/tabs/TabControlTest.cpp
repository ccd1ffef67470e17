#include <gtest/gtest.h>

#include <QApplication>
#include <QTabBar>
#include <vector>

#include "ControlsTestSupport.h"
#include "platform/controls/tabs/PageControl.h"
#include "platform/controls/tabs/TabControl.h"
#include "platform/controls/tabs/TabsUnit.h"

namespace {

[[maybe_unused]] const bool Registered = (InitializeTabs(), true);

QTabBar* TabBarOf(TWinControl* control) { return WidgetOf(control)->findChild<QTabBar*>(); }

// A real click on a tab of the control's tab bar.
void ClickTab(TWinControl* control, int index) {
  QTabBar* bar = TabBarOf(control);
  ASSERT_TRUE(bar);
  QPoint at = bar->tabRect(index).center();
  for (auto [type, buttons] : {std::pair{QEvent::MouseButtonPress, Qt::MouseButtons(Qt::LeftButton)},
                               std::pair{QEvent::MouseButtonRelease, Qt::MouseButtons(Qt::NoButton)}}) {
    QMouseEvent event(type, QPointF(at), bar->mapToGlobal(QPointF(at)), Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(bar, &event);
  }
}

TTabControl* NewTabControl(TForm* form) {
  auto* tabs = new TTabControl(form);
  tabs->SetParent(form);
  tabs->Tabs()->SetText("One\nTwo\nThree\n");
  return tabs;
}

}  // namespace

TEST(TabControl, ClickingATabAsksOnChangingAndOnlyThenMoves) {
  for (bool allow : {true, false}) {
    TShownForm shown(300, 200);
    TTabControl* tabs = NewTabControl(shown.Form);
    std::vector<std::string> calls;
    tabs->OnChanging = [&](TObject*, bool& allowChange) {
      calls.push_back("changing at " + std::to_string(tabs->TabIndex()));
      allowChange = allow;
    };
    tabs->OnChange = [&](TObject*) { calls.push_back("change to " + std::to_string(tabs->TabIndex())); };
    ClickTab(tabs, 2);
    std::vector<std::string> expected{"changing at 0"};
    if (allow) expected.push_back("change to 2");
    EXPECT_EQ(calls, expected);
    EXPECT_EQ(tabs->TabIndex(), allow ? 2 : 0);
    EXPECT_EQ(TabBarOf(tabs)->currentIndex(), tabs->TabIndex());
    calls.clear();
    tabs->SetTabIndex(1);  // from code: no events
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(TabBarOf(tabs)->currentIndex(), 1);
  }
}

TEST(TabControl, TheTabsFollowTheStringsAndTheIndexStaysInRange) {
  TShownForm shown(300, 200);
  TTabControl* tabs = NewTabControl(shown.Form);
  tabs->SetTabIndex(2);
  tabs->SetTabIndex(7);  // out of range: ignored
  EXPECT_EQ(tabs->TabIndex(), 2);
  tabs->Tabs()->Delete(2);
  EXPECT_EQ(tabs->TabIndex(), 1);
  tabs->Tabs()->Put(0, "First");
  ASSERT_EQ(TabBarOf(tabs)->count(), 2);
  EXPECT_EQ(TabBarOf(tabs)->tabText(0).toStdString(), "First");
  tabs->Tabs()->Clear();
  EXPECT_EQ(tabs->TabIndex(), -1);
}

TEST(TabControl, AlignedChildrenFillTheDisplayAreaClearOfTheTabs) {
  for (TTabPosition position : {tpTop, tpBottom, tpLeft, tpRight}) {
    TShownForm shown(300, 200);
    TTabControl* tabs = NewTabControl(shown.Form);
    tabs->SetTabPosition(position);
    auto* panel = new TTestPanel(shown.Form);
    panel->SetParent(tabs);
    panel->SetAlign(alClient);
    TRect display = tabs->DisplayRect();
    EXPECT_EQ(panel->BoundsRect(), display) << position;
    TRect common;
    EXPECT_FALSE(IntersectRect(common, display, tabs->TabRect(0))) << position;
    EXPECT_GE(display.Width(), 250) << position;
    EXPECT_GE(display.Height(), 130) << position;
    tabs->SetBounds(0, 0, 260, 180);
    EXPECT_EQ(panel->BoundsRect(), tabs->DisplayRect()) << position;
  }
}
