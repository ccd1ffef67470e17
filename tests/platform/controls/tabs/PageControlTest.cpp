#include <gtest/gtest.h>

#include <QApplication>
#include <QTabBar>

#include "ControlsTestSupport.h"
#include "platform/classes/ComponentStreams.h"
#include "platform/controls/tabs/PageControl.h"
#include "platform/controls/tabs/TabsUnit.h"
#include "platform/core/Exceptions.h"

namespace {

[[maybe_unused]] const bool Registered = (InitializeTabs(), true);

QTabBar* TabBarOf(TWinControl* control) { return WidgetOf(control)->findChild<QTabBar*>(); }

TPageControl* NewPages(TForm* form, int count) {
  auto* pages = new TPageControl(form);
  pages->SetName("Pages");
  pages->SetParent(form);
  for (int i = 0; i < count; ++i) {
    auto* sheet = new TTabSheet(form);
    sheet->SetName("Sheet" + std::to_string(i));
    sheet->SetCaption(sheet->Name());
    sheet->SetPageControl(pages);
  }
  return pages;
}

std::vector<std::string> TabTexts(TWinControl* control) {
  std::vector<std::string> texts;
  for (int i = 0; i < TabBarOf(control)->count(); ++i)
    texts.push_back(TabBarOf(control)->tabText(i).toStdString());
  return texts;
}

}  // namespace

TEST(PageControl, OnlyTheActivePageShowsAndFillsTheDisplayArea) {
  TShownForm shown(300, 200);
  TPageControl* pages = NewPages(shown.Form, 3);
  EXPECT_EQ(pages->ActivePage(), pages->Pages(0));  // the first page added by a program
  pages->SetActivePageIndex(2);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(pages->Pages(i)->Visible(), i == 2) << i;
    EXPECT_EQ(pages->Pages(i)->BoundsRect(), pages->DisplayRect()) << i;
  }
  EXPECT_EQ(pages->TabIndex(), 2);
  EXPECT_EQ(TabBarOf(pages)->currentIndex(), 2);
  EXPECT_THROW(pages->Pages(3), EListError);
}

TEST(PageControl, ClickingATabBringsItsPageUnlessOnChangingRefuses) {
  for (bool allow : {true, false}) {
    TShownForm shown(300, 200);
    TPageControl* pages = NewPages(shown.Form, 3);
    pages->Pages(1)->SetTabVisible(false);  // tab 1 is now Sheet2
    int changes = 0;
    pages->OnChanging = [&](TObject*, bool& allowChange) { allowChange = allow; };
    pages->OnChange = [&](TObject*) { ++changes; };
    QTabBar* bar = TabBarOf(pages);
    QPoint at = bar->tabRect(1).center();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), bar->mapToGlobal(QPointF(at)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &press);
    EXPECT_EQ(pages->ActivePage()->Name(), allow ? "Sheet2" : "Sheet0");
    EXPECT_EQ(changes, allow ? 1 : 0);
    EXPECT_EQ(bar->currentIndex(), pages->TabIndex());
  }
}

TEST(PageControl, FindNextPageGoesRoundAndSkipsHiddenTabs) {
  TShownForm shown;
  TPageControl* pages = NewPages(shown.Form, 4);
  pages->Pages(2)->SetTabVisible(false);
  struct Case {
    int current;  // -1: none
    bool forward;
    bool checkTabVisible;
    int expected;
  } cases[] = {{0, true, true, 1},  {1, true, true, 3},   {3, true, true, 0},  {0, false, true, 3},
               {3, false, true, 1}, {1, true, false, 2},  {-1, true, true, 0}, {-1, false, true, 3}};
  for (const Case& c : cases) {
    TTabSheet* current = c.current < 0 ? nullptr : pages->Pages(c.current);
    EXPECT_EQ(pages->FindNextPage(current, c.forward, c.checkTabVisible), pages->Pages(c.expected))
        << c.current << ' ' << c.forward << ' ' << c.checkTabVisible;
  }
  EXPECT_EQ(TabTexts(pages), (std::vector<std::string>{"Sheet0", "Sheet1", "Sheet3"}));
  pages->SetActivePageIndex(3);
  pages->SelectNextPage(true);
  EXPECT_EQ(pages->ActivePageIndex(), 0);
  pages->OnChanging = [](TObject*, bool& allow) { allow = false; };
  pages->SelectNextPage(false);
  EXPECT_EQ(pages->ActivePageIndex(), 0);
}

TEST(PageControl, CaptionsOrderAndRemovalKeepTabsAndActivePageRight) {
  TShownForm shown;
  TPageControl* pages = NewPages(shown.Form, 3);
  pages->Pages(0)->SetCaption("General");
  pages->Pages(2)->SetPageIndex(0);
  EXPECT_EQ(TabTexts(pages), (std::vector<std::string>{"Sheet2", "General", "Sheet1"}));
  EXPECT_EQ(pages->ActivePage()->Name(), "Sheet0");
  EXPECT_EQ(pages->TabIndex(), 1);
  pages->ActivePage()->Free();  // the next page comes forward
  EXPECT_EQ(pages->ActivePage()->Name(), "Sheet1");
  EXPECT_EQ(pages->PageCount(), 2);
  EXPECT_EQ(TabTexts(pages), (std::vector<std::string>{"Sheet2", "Sheet1"}));
  pages->Pages(0)->SetPageControl(nullptr);
  EXPECT_EQ(pages->PageCount(), 1);
  pages->Free();  // frees the remaining page with it
  EXPECT_FALSE(shown.Form->FindComponent("Sheet1"));
}

TEST(PageControl, AControlOnTheActivePageShowsInAGrabOfTheForm) {
  TShownForm shown(300, 200);
  TPageControl* pages = NewPages(shown.Form, 2);
  auto* panel = new TTestShape(shown.Form);
  panel->SetColor(clRed);
  panel->SetParent(pages->Pages(1));
  panel->SetBounds(10, 10, 30, 30);
  TRect display = pages->DisplayRect();
  QPoint inside(pages->Left() + display.Left + 20, pages->Top() + display.Top + 20);
  EXPECT_NE(PixelAt(Snapshot(shown.Form), inside.x(), inside.y()), clRed);
  pages->SetActivePageIndex(1);
  QImage image = Snapshot(shown.Form);
  EXPECT_EQ(PixelAt(image, inside.x(), inside.y()), clRed);
  // The raised frame round the display area and the tab bar's own pixels.
  EXPECT_NE(PixelAt(image, pages->Left() + display.Right + 1, pages->Top() + display.Bottom + 1),
            PixelAt(image, pages->Left() + display.Right - 5, pages->Top() + display.Bottom - 5));
  QImage bar = TabBarOf(pages)->grab().toImage();
  EXPECT_GT(bar.width(), 40);
  EXPECT_NE(bar.pixelColor(1, bar.height() / 2), bar.pixelColor(bar.width() / 4, bar.height() / 2));
}
