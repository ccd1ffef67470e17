#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>

#include "StdCtrlsTestSupport.h"
#include "platform/windows/Cursors.h"

namespace {

// Mouse input where Qt delivers it: the child widget under the point.
void MouseOn(TWinControl* control, QEvent::Type type, TPoint client, Qt::MouseButtons buttons,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWidget* widget = WidgetOf(control);
  QPoint local(client.X, client.Y);
  QWidget* child = widget->childAt(local);
  QWidget* target = child ? child : widget;
  QPoint at = target->mapFrom(widget, local);
  Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, buttons, modifiers);
  QApplication::sendEvent(target, &event);
}

TPoint Middle(const TRect& r) { return Point(r.Left + r.Width() / 2, r.Top + r.Height() / 2); }

class ListBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartStdCtrls();
    List = new TListBox(Shown.Form);
    List->SetParent(Shown.Form);
    List->SetBounds(8, 8, 150, 120);
    List->Items()->SetText("Apple\nbanana\nBlueberry\ncherry\nDate\n");
    QApplication::processEvents();
  }
  TShownForm Shown{300, 240};
  TListBox* List = nullptr;
};

TEST_F(ListBoxTest, TypingSelectsTheNextItemStartingWithTheLetterIgnoringCase) {
  List->SetFocus();
  const std::pair<const char*, int32_t> cases[] = {{"c", 3}, {"b", 1}, {"B", 2}, {"b", 1}, {"x", 1}, {"A", 0}};
  for (auto [typed, expected] : cases) {
    TypeText(List, typed);
    EXPECT_EQ(List->ItemIndex(), expected) << typed;
  }
}

TEST_F(ListBoxTest, ItemRectsAndItemAtPosAgree) {
  for (int32_t i = 0; i < List->Items()->Count(); ++i) {
    TRect r = List->ItemRect(i);
    EXPECT_EQ(r.Height(), List->ItemHeight());
    EXPECT_EQ(List->ItemAtPos(Middle(r), true), i);
  }
  TPoint below = Point(20, List->ItemRect(4).Bottom + 5);
  EXPECT_EQ(List->ItemAtPos(below, true), -1);
  EXPECT_EQ(List->ItemAtPos(below, false), 5);
  MouseOn(List, QEvent::MouseButtonPress, Middle(List->ItemRect(2)), Qt::LeftButton);
  MouseOn(List, QEvent::MouseButtonRelease, Middle(List->ItemRect(2)), Qt::NoButton);
  EXPECT_EQ(List->ItemIndex(), 2);
}

TEST_F(ListBoxTest, OwnerDrawnItemsArePaintedOnTheCanvasAtTheirRects) {
  List->SetStyle(lbOwnerDrawFixed);
  List->SetItemHeight(20);
  std::vector<std::pair<int32_t, TRect>> drawn;
  List->OnDrawItem = [&](TWinControl* control, int32_t index, TRect rect, TOwnerDrawState) {
    EXPECT_EQ(control, List);
    drawn.emplace_back(index, rect);
    List->Canvas()->Brush()->SetColor(index % 2 ? clRed : clBlue);
    List->Canvas()->FillRect(rect);
  };
  QApplication::processEvents();
  QImage image = Snapshot(List);
  ASSERT_FALSE(drawn.empty());
  for (int32_t i = 0; i < 3; ++i) {
    TRect r = List->ItemRect(i);
    EXPECT_EQ(r.Height(), 20);
    EXPECT_EQ(PixelAt(image, r.Left + 3, r.Top + 3), i % 2 ? clRed : clBlue) << i;
  }
  EXPECT_EQ(drawn.front().second, List->ItemRect(drawn.front().first));
}

TEST_F(ListBoxTest, MultiSelectKeepsSeveralSelected) {
  List->SetMultiSelect(true);
  List->SetSelected(1, true);
  List->SetSelected(3, true);
  QApplication::processEvents();
  EXPECT_EQ(List->SelCount(), 2);
  MouseOn(List, QEvent::MouseButtonPress, Middle(List->ItemRect(4)), Qt::LeftButton, Qt::ControlModifier);
  MouseOn(List, QEvent::MouseButtonRelease, Middle(List->ItemRect(4)), Qt::NoButton, Qt::ControlModifier);
  EXPECT_TRUE(List->Selected(1));
  EXPECT_TRUE(List->Selected(4));
  EXPECT_EQ(List->SelCount(), 3);
  EXPECT_THROW(List->Selected(9), EListError);
}

// The reordering of the tab-order dialog: a press on an item starts a drag
// that waits for the threshold; dropping on another item moves it there.
TEST_F(ListBoxTest, DraggingAnItemOntoAnotherMovesIt) {
  std::vector<TDragState> states;
  TCursor shown = crDefault;
  List->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int32_t x, int32_t y) {
    if (List->ItemAtPos(Point(x, y), true) >= 0) List->BeginDrag(false);
  };
  List->OnDragOver = [&](TObject* sender, TObject* source, int32_t, int32_t, TDragState state, bool& accept) {
    EXPECT_EQ(sender, source);
    states.push_back(state);
    accept = true;
  };
  List->OnDragDrop = [&](TObject*, TObject*, int32_t x, int32_t y) {
    int32_t from = List->ItemIndex();
    int32_t to = List->ItemAtPos(Point(x, y), true);
    if (to >= 0 && to != from) List->Items()->Move(from, to);
    List->SetItemIndex(to);
  };
  TObject* ended = reinterpret_cast<TObject*>(1);
  List->OnEndDrag = [&](TObject*, TObject* target, int32_t, int32_t) { ended = target; };

  TPoint from = Middle(List->ItemRect(0));
  TPoint to = Middle(List->ItemRect(3));
  MouseOn(List, QEvent::MouseButtonPress, from, Qt::LeftButton);
  EXPECT_TRUE(List->Dragging());
  MouseOn(List, QEvent::MouseMove, Point(from.X + 2, from.Y + 1), Qt::LeftButton);
  EXPECT_TRUE(states.empty()) << "started before the threshold";
  MouseOn(List, QEvent::MouseMove, Point(to.X, to.Y - 2), Qt::LeftButton);
  MouseOn(List, QEvent::MouseMove, to, Qt::LeftButton);
  shown = static_cast<TCursor>(GetCursor() == Screen->Cursors(crDrag) ? crDrag : crNone);
  MouseOn(List, QEvent::MouseButtonRelease, to, Qt::NoButton);
  EXPECT_FALSE(List->Dragging());
  EXPECT_EQ(shown, crDrag);
  ASSERT_GE(states.size(), 2u);
  EXPECT_EQ(states.front(), dsDragEnter);
  EXPECT_EQ(states.back(), dsDragMove);
  EXPECT_EQ(List->Items()->Text(), "banana\nBlueberry\ncherry\nApple\nDate\n");
  EXPECT_EQ(List->ItemIndex(), 3);
  EXPECT_EQ(ended, List);
}

TEST_F(ListBoxTest, EscapeAndRefusedTargetsDropNothing) {
  auto* other = new TListBox(Shown.Form);
  other->SetParent(Shown.Form);
  other->SetBounds(170, 8, 100, 100);
  bool dropped = false;
  other->OnDragDrop = [&](TObject*, TObject*, int32_t, int32_t) { dropped = true; };
  QApplication::processEvents();
  TPoint start = Middle(List->ItemRect(0));
  // Over a list that does not accept: the cursor says so, the drop does nothing.
  MouseOn(List, QEvent::MouseButtonPress, start, Qt::LeftButton);
  List->BeginDrag(true);
  TPoint over = Point(other->Left() - List->Left() + 20, 20);
  MouseOn(List, QEvent::MouseMove, over, Qt::LeftButton);
  EXPECT_EQ(GetCursor(), Screen->Cursors(crNoDrop));
  MouseOn(List, QEvent::MouseButtonRelease, over, Qt::NoButton);
  EXPECT_FALSE(dropped);
  // Escape ends a drag at once.
  other->OnDragOver = [](TObject*, TObject*, int32_t, int32_t, TDragState, bool& accept) { accept = true; };
  MouseOn(List, QEvent::MouseButtonPress, start, Qt::LeftButton);
  List->BeginDrag(true);
  MouseOn(List, QEvent::MouseMove, over, Qt::LeftButton);
  PressKey(List, Qt::Key_Escape);
  EXPECT_FALSE(List->Dragging());
  MouseOn(List, QEvent::MouseButtonRelease, over, Qt::NoButton);
  EXPECT_FALSE(dropped);
}

TEST_F(ListBoxTest, IntegralHeightKeepsWholeItems) {
  List->SetIntegralHeight(true);
  List->SetHeight(100);
  EXPECT_EQ((List->Height() - 4) % List->ItemHeight(), 0);
  EXPECT_LE(List->Height(), 100);
}

}  // namespace
