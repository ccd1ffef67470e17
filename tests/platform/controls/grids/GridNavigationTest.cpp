#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>

#include "GridsTestSupport.h"

TEST(GridGeometry, CellRectAndMouseCoordAgreeAroundLinesAndScrolling) {
  TShownGrid g;
  g.Grid->SetColWidths(2, 60);
  EXPECT_EQ(g.Grid->CellRect(0, 0), Rect(0, 0, 40, 20));
  EXPECT_EQ(g.Grid->CellRect(2, 1), Rect(82, 21, 142, 41));
  EXPECT_EQ(g.Grid->CellRect(3, 1), Rect(143, 21, 183, 41));
  struct Case {
    int x, y;
    TGridCoord cell;
  } cases[] = {{0, 0, {0, 0}},    {39, 19, {0, 0}},    {41, 21, {1, 1}},  {141, 40, {2, 1}},
               {143, 41, {3, 1}}, {290, 10, {-1, 0}},  {10, 149, {0, 7}}, {-1, 5, {-1, 0}}};
  for (const Case& c : cases) EXPECT_EQ(g.Grid->MouseCoord(c.x, c.y), c.cell) << c.x << ',' << c.y;
  EXPECT_EQ(g.Grid->VisibleRowCount(), 6);
  g.Grid->SetTopRow(3);
  EXPECT_EQ(g.Grid->CellRect(1, 1), TRect());  // scrolled away
  EXPECT_EQ(g.Grid->CellRect(1, 3), Rect(41, 21, 81, 41));
  EXPECT_EQ(g.Grid->MouseCoord(50, 30), (TGridCoord{1, 3}));
  g.Grid->SetTopRow(99);  // as far as the last row lets it
  EXPECT_EQ(g.Grid->TopRow(), 4);
}

TEST(GridKeyboard, KeysMoveTheCurrentCell) {
  struct Case {
    TGridCoord start;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool tabs;
    TGridCoord expected;
  } cases[] = {
      {{1, 1}, Qt::Key_Down, Qt::NoModifier, false, {1, 2}},
      {{1, 1}, Qt::Key_Up, Qt::NoModifier, false, {1, 1}},  // fixed row is not reachable
      {{2, 3}, Qt::Key_Right, Qt::NoModifier, false, {3, 3}},
      {{2, 3}, Qt::Key_Left, Qt::NoModifier, false, {1, 3}},
      {{3, 3}, Qt::Key_Home, Qt::NoModifier, false, {1, 3}},
      {{3, 3}, Qt::Key_End, Qt::NoModifier, false, {5, 3}},
      {{3, 3}, Qt::Key_Home, Qt::ControlModifier, false, {3, 1}},
      {{3, 3}, Qt::Key_End, Qt::ControlModifier, false, {3, 9}},
      {{2, 1}, Qt::Key_PageDown, Qt::NoModifier, false, {2, 7}},
      {{2, 9}, Qt::Key_PageUp, Qt::NoModifier, false, {2, 3}},
      {{5, 2}, Qt::Key_Tab, Qt::NoModifier, true, {1, 3}},
      {{1, 2}, Qt::Key_Backtab, Qt::ShiftModifier, true, {5, 1}},
      {{5, 2}, Qt::Key_Tab, Qt::NoModifier, false, {5, 2}},
  };
  for (const Case& c : cases) {
    TShownGrid g;
    if (c.tabs) g.Grid->SetOptions(g.Grid->Options() + goTabs);
    g.Grid->SetCol(c.start.X);
    g.Grid->SetRow(c.start.Y);
    PressKey(g.Grid, c.key, c.modifiers);
    EXPECT_EQ((TGridCoord{g.Grid->Col(), g.Grid->Row()}), c.expected) << c.key << ' ' << c.start.X << ',' << c.start.Y;
  }
}

TEST(GridKeyboard, MovingPastTheLastVisibleRowScrollsAndShiftExtendsTheSelection) {
  TShownGrid g;
  for (int i = 0; i < 7; ++i) PressKey(g.Grid, Qt::Key_Down);
  EXPECT_EQ(g.Grid->Row(), 8);
  EXPECT_EQ(g.Grid->TopRow(), 3);
  EXPECT_EQ(GetScrollPos(g.Grid->Handle(), SB_VERT), 2);  // the window's scroll state follows
  PressKey(g.Grid, Qt::Key_Right, Qt::ShiftModifier);
  PressKey(g.Grid, Qt::Key_Up, Qt::ShiftModifier);
  EXPECT_EQ(g.Grid->Selection(), (TGridRect{1, 7, 2, 8}));
}

TEST(GridMouse, ClicksAskOnSelectCellAndShiftClicksSelectARange) {
  TShownGrid g;
  std::vector<std::pair<int, int>> asked;
  g.Grid->OnSelectCell = [&](TObject*, int32_t col, int32_t row, bool& canSelect) {
    asked.emplace_back(col, row);
    canSelect = col != 3;
  };
  int clicks = 0;
  g.Grid->OnClick = [&](TObject*) { ++clicks; };
  ClickAt(g.Grid, {150, 50});  // cell (3, 2): refused
  EXPECT_EQ((TGridCoord{g.Grid->Col(), g.Grid->Row()}), (TGridCoord{1, 1}));
  ClickAt(g.Grid, {100, 50});  // cell (2, 2)
  EXPECT_EQ((TGridCoord{g.Grid->Col(), g.Grid->Row()}), (TGridCoord{2, 2}));
  EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{3, 2}, {2, 2}}));
  EXPECT_EQ(clicks, 1);
  QWidget* w = WidgetOf(g.Grid);
  QPoint at(200, 100);  // cell (4, 4)
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::LeftButton,
                    Qt::LeftButton, Qt::ShiftModifier);
  QApplication::sendEvent(w, &press);
  SendMouse(g.Grid, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(g.Grid->Selection(), (TGridRect{2, 2, 4, 4}));
}

TEST(GridMouse, DraggingAColumnBorderInTheFixedRowSizesItWithGoColSizing) {
  for (bool sizing : {true, false}) {
    TShownGrid g;
    if (sizing) g.Grid->SetOptions(g.Grid->Options() + goColSizing);
    SendMouse(g.Grid, QEvent::MouseButtonPress, {81, 10}, Qt::LeftButton, Qt::LeftButton);  // right of column 1
    SendMouse(g.Grid, QEvent::MouseMove, {100, 10}, Qt::NoButton, Qt::LeftButton);
    SendMouse(g.Grid, QEvent::MouseMove, {111, 12}, Qt::NoButton, Qt::LeftButton);
    SendMouse(g.Grid, QEvent::MouseButtonRelease, {111, 12}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(g.Grid->ColWidths(1), sizing ? 70 : 40);
    EXPECT_EQ(g.Grid->ColWidths(2), 40);
  }
}

TEST(GridScrolling, TheRealScrollBarMovesTheTopRow) {
  TShownGrid g;
  auto* bar = WidgetOf(g.Grid)->findChild<QScrollBar*>();
  ASSERT_TRUE(bar);
  QList<QScrollBar*> bars = WidgetOf(g.Grid)->findChildren<QScrollBar*>();
  QScrollBar* vertical = nullptr;
  for (QScrollBar* b : bars)
    if (b->orientation() == Qt::Vertical) vertical = b;
  ASSERT_TRUE(vertical);
  EXPECT_TRUE(vertical->isVisible());
  EXPECT_EQ(g.Grid->ClientWidth(), 300 - GetSystemMetrics(SM_CXVSCROLL));
  EXPECT_EQ(vertical->maximum(), 3);
  QPoint arrow(vertical->width() / 2, vertical->height() - 3);  // the down arrow
  for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent e(type, QPointF(arrow), vertical->mapToGlobal(QPointF(arrow)), Qt::LeftButton,
                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(vertical, &e);
  }
  EXPECT_EQ(g.Grid->TopRow(), 2);
  SendMessage(g.Grid->Handle(), WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0), 0);
  EXPECT_EQ(g.Grid->TopRow(), 4);
  EXPECT_EQ(vertical->value(), 3);
  g.Grid->SetRowCount(4);  // everything fits: no bar
  EXPECT_FALSE(vertical->isVisible());
  EXPECT_EQ(g.Grid->TopRow(), 1);
}
