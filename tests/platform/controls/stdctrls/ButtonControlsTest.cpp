#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QScrollBar>

#include "StdCtrlsTestSupport.h"
#include "platform/classes/ComponentStreams.h"

namespace {

class ButtonControlsTest : public ::testing::Test {
 protected:
  void SetUp() override { StartStdCtrls(); }
  template <class T>
  T* Add(TWinControl* parent, int top) {
    auto* control = new T(Shown.Form);
    control->SetParent(parent);
    control->SetTop(top);
    control->OnClick = [this](TObject* sender) { Clicks.push_back(static_cast<TControl*>(sender)); };
    return control;
  }
  TShownForm Shown{320, 240};
  std::vector<TControl*> Clicks;
};

TEST_F(ButtonControlsTest, ClicksCycleACheckBoxThroughItsStates) {
  struct TCase {
    bool AllowGrayed;
    std::vector<TCheckBoxState> Seen;
  };
  const TCase cases[] = {{false, {cbChecked, cbUnchecked, cbChecked}},
                         {true, {cbGrayed, cbChecked, cbUnchecked, cbGrayed}}};
  for (const TCase& c : cases) {
    auto* box = Add<TCheckBox>(Shown.Form, 8);
    box->SetAllowGrayed(c.AllowGrayed);
    QApplication::processEvents();
    Clicks.clear();
    for (TCheckBoxState expected : c.Seen) {
      ClickAt(box, QPoint(6, 8));
      EXPECT_EQ(box->State(), expected);
      EXPECT_EQ(static_cast<int>(qobject_cast<QCheckBox*>(WidgetOf(box))->checkState()),
                expected == cbChecked ? 2 : expected == cbGrayed ? 1 : 0);
    }
    EXPECT_EQ(Clicks.size(), c.Seen.size());
    box->Free();
  }
}

TEST_F(ButtonControlsTest, RadioButtonsUncheckTheirSiblingsOnly) {
  auto* a = Add<TRadioButton>(Shown.Form, 8);
  auto* b = Add<TRadioButton>(Shown.Form, 30);
  auto* group = new TGroupBox(Shown.Form);
  group->SetParent(Shown.Form);
  group->SetBounds(120, 8, 150, 80);
  auto* c = Add<TRadioButton>(group, 30);
  c->SetChecked(true);
  a->SetChecked(true);
  QApplication::processEvents();
  ClickAt(b, QPoint(6, 8));
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(b->Checked());
  EXPECT_TRUE(c->Checked());
  EXPECT_FALSE(qobject_cast<QRadioButton*>(WidgetOf(a))->isChecked());
  // Clicking the checked one changes nothing.
  Clicks.clear();
  ClickAt(b, QPoint(6, 8));
  EXPECT_TRUE(b->Checked());
  EXPECT_TRUE(Clicks.empty());
}

TEST_F(ButtonControlsTest, ARadioGroupMakesOneButtonPerItemInColumns) {
  auto* group = Add<TRadioGroup>(Shown.Form, 8);
  group->SetBounds(8, 8, 200, 100);
  group->Items()->SetText("Red\nGreen\nBlue\n");
  group->SetColumns(2);
  group->SetItemIndex(2);
  QApplication::processEvents();
  ASSERT_EQ(group->ControlCount(), 3);
  EXPECT_EQ(group->Buttons(1)->Caption(), "Green");
  EXPECT_TRUE(group->Buttons(2)->Checked());
  EXPECT_GT(group->Buttons(2)->Left(), group->Buttons(0)->Left());  // second column
  EXPECT_EQ(group->Buttons(2)->Top(), group->Buttons(0)->Top());
  ClickAt(group->Buttons(1), QPoint(6, 8));
  EXPECT_EQ(group->ItemIndex(), 1);
  EXPECT_FALSE(group->Buttons(2)->Checked());
  EXPECT_EQ(Clicks, std::vector<TControl*>{group});
  group->Items()->Delete(2);
  EXPECT_EQ(group->ControlCount(), 2);
  // The buttons are the group's own: they are not written.
  std::string text = ComponentToText(Shown.Form);
  EXPECT_EQ(text.find("TRadioButton"), std::string::npos);
  EXPECT_NE(text.find("ItemIndex = 1"), std::string::npos);
}

TEST_F(ButtonControlsTest, ScrollKeysGoThroughOnScrollToOnChange) {
  auto* bar = new TScrollBar(Shown.Form);
  bar->SetParent(Shown.Form);
  bar->SetLargeChange(10);
  bar->SetSmallChange(2);
  std::vector<std::pair<TScrollCode, int32_t>> scrolls;
  int changes = 0;
  bar->OnScroll = [&](TObject*, TScrollCode code, int32_t& pos) {
    scrolls.emplace_back(code, pos);
    if (pos > 25) pos = 25;  // a handler may hold the position back
  };
  bar->OnChange = [&](TObject*) { ++changes; };
  QApplication::processEvents();
  WidgetOf(bar)->setFocus();
  for (int i = 0; i < 3; ++i) PressKey(bar, Qt::Key_PageDown);
  PressKey(bar, Qt::Key_Up);
  EXPECT_EQ(bar->Position(), 23);
  ASSERT_GE(scrolls.size(), 4u);
  EXPECT_EQ(scrolls[0], std::make_pair(scPageDown, 10));
  EXPECT_EQ(scrolls[2], std::make_pair(scPageDown, 30));
  EXPECT_EQ(qobject_cast<QScrollBar*>(WidgetOf(bar))->value(), 23);
  EXPECT_EQ(changes, 4);
  EXPECT_THROW(bar->SetParams(0, 10, 5), EInvalidOperation);
  EXPECT_EQ(bar->Max(), 100);
}

TEST_F(ButtonControlsTest, ALabelFitsItsTextAndIsPaintedByItsParent) {
  auto* label = new TLabel(Shown.Form);
  label->SetParent(Shown.Form);
  label->SetBounds(10, 10, 5, 5);
  label->SetCaption("&Short");
  int32_t shortWidth = label->Width();
  label->SetCaption("&A much longer caption");
  EXPECT_GT(label->Width(), shortWidth);
  EXPECT_GT(label->Height(), 5);
  int32_t lineHeight = label->Height();
  label->SetAutoSize(false);
  label->SetWordWrap(true);
  label->SetWidth(60);
  label->SetAutoSize(true);
  EXPECT_LE(label->Width(), 60);
  EXPECT_GE(label->Height(), 3 * lineHeight);  // wrapped onto more lines
  label->SetColor(clYellow);
  Shown.Form->Repaint();
  QApplication::processEvents();
  QImage image = Snapshot(Shown.Form);
  EXPECT_EQ(PixelAt(image, label->Left() + 1, label->Top() + label->Height() - 1), clYellow);
  int dark = 0;
  for (int x = label->Left(); x < label->Left() + label->Width(); ++x)
    for (int y = label->Top(); y < label->Top() + label->Height(); ++y)
      if (qGray(image.pixel(x, y)) < 100) ++dark;
  EXPECT_GT(dark, 20);
  label->SetTransparent(true);
  Shown.Form->Repaint();
  QApplication::processEvents();
  EXPECT_NE(PixelAt(Snapshot(Shown.Form), label->Left() + 1, label->Top() + label->Height() - 1), clYellow);
}

TEST_F(ButtonControlsTest, ALabelsAcceleratorFocusesItsControl) {
  auto* edit = new TEdit(Shown.Form);
  edit->SetParent(Shown.Form);
  edit->SetTop(100);
  auto* label = new TLabel(Shown.Form);
  label->SetParent(Shown.Form);
  label->SetCaption("&Name");
  label->SetFocusControl(edit);
  QApplication::processEvents();
  EXPECT_EQ(label->Perform(CM_DIALOGCHAR, 'x', 0), 0);
  EXPECT_EQ(label->Perform(CM_DIALOGCHAR, 'n', 0), 1);
  EXPECT_TRUE(edit->Focused());
  edit->Free();
  EXPECT_EQ(label->FocusControl(), nullptr);
}

}  // namespace
