#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>

#include <QLineEdit>

#include "StdCtrlsTestSupport.h"
#include "platform/classes/ComponentStreams.h"

namespace {

class ComboBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartStdCtrls();
    Combo = new TComboBox(Shown.Form);
    Combo->SetParent(Shown.Form);
    Combo->Items()->SetText("one\ntwo\nthree\n");
    Combo->OnChange = [this](TObject*) { Events.push_back("change"); };
    Combo->OnClick = [this](TObject*) { Events.push_back("click"); };
    QApplication::processEvents();
  }
  TShownForm Shown;
  TComboBox* Combo = nullptr;
  std::vector<std::string> Events;
};

TEST_F(ComboBoxTest, ChoosingWithKeysFiresClickThenSelectOrChange) {
  Combo->SetStyle(csDropDownList);
  Combo->SetItemIndex(0);
  QApplication::processEvents();
  Combo->SetFocus();
  PressKey(Combo, Qt::Key_Down);
  EXPECT_EQ(Combo->ItemIndex(), 1);
  EXPECT_EQ(Combo->Text(), "two");
  EXPECT_EQ(Events, (std::vector<std::string>{"click", "change"}));
  Combo->OnSelect = [this](TObject*) { Events.push_back("select"); };
  Events.clear();
  PressKey(Combo, Qt::Key_Down);
  EXPECT_EQ(Events, (std::vector<std::string>{"click", "select"}));
}

TEST_F(ComboBoxTest, TypingInTheEditChangesTextAndLeavesTheItem) {
  Combo->SetItemIndex(2);
  EXPECT_EQ(Combo->Text(), "three");
  Combo->SetFocus();
  qobject_cast<QComboBox*>(WidgetOf(Combo))->lineEdit()->selectAll();
  TypeText(Combo, "tw");
  EXPECT_EQ(Combo->Text(), "tw");
  EXPECT_EQ(Combo->ItemIndex(), -1);
  EXPECT_EQ(Events, (std::vector<std::string>{"change", "change"}));
}

TEST_F(ComboBoxTest, TheIndexFromAFileWaitsForTheItems) {
  auto* form = new TForm(nullptr);
  TextToComponent(R"(object F: TForm
  object C: TComboBox
    Style = csDropDownList
    ItemIndex = 1
    Items.Strings = (
      'a'
      'b')
  end
end
)", form);
  auto* combo = ObjectAs<TComboBox>(form->FindComponent("C"));
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(combo->Text(), "b");
  form->Free();
}

TEST_F(ComboBoxTest, OpeningTheListFiresOnDropDown) {
  int dropped = 0;
  Combo->OnDropDown = [&](TObject*) { ++dropped; };
  Combo->SetDroppedDown(true);
  EXPECT_EQ(dropped, 1);
  Combo->SetDroppedDown(false);
}

}  // namespace
