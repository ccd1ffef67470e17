#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>

#include "StdCtrlsTestSupport.h"

namespace {

class ButtonTest : public ::testing::Test {
 protected:
  void SetUp() override { StartStdCtrls(); }
  TButton* AddButton(TCustomForm* form, int top) {
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetTop(top);
    button->OnClick = [this, button](TObject* sender) {
      EXPECT_EQ(sender, button);
      Clicked.push_back(button);
    };
    return button;
  }
  std::vector<TButton*> Clicked;
};

TEST_F(ButtonTest, AMouseClickFiresOnClickOnce) {
  TShownForm shown;
  TButton* button = AddButton(shown.Form, 8);
  QApplication::processEvents();
  ClickAt(button, QPoint(10, 10));
  EXPECT_EQ(Clicked, std::vector<TButton*>{button});
  // Pressed inside, released outside: no click.
  SendMouse(button, QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton, Qt::LeftButton);
  SendMouse(button, QEvent::MouseButtonRelease, QPoint(200, 10), Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(Clicked.size(), 1u);
}

TEST_F(ButtonTest, ClickingAButtonWithAModalResultClosesTheModalFormWithIt) {
  auto* form = new TForm(nullptr);
  TButton* ok = AddButton(form, 8);
  ok->SetModalResult(mrOk);
  TButton* plain = AddButton(form, 40);
  TModalResponder responder;
  responder.Answer(mrNone, [&](TModalRequest&) {
    form->Show();
    QApplication::processEvents();
    ClickAt(plain, QPoint(5, 5));
    EXPECT_EQ(form->ModalResult(), mrNone);
    ClickAt(ok, QPoint(5, 5));
    form->Hide();
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_EQ(Clicked, (std::vector<TButton*>{plain, ok}));
  form->Free();
}

TEST_F(ButtonTest, EnterAndEscapeClickTheDefaultAndCancelButtons) {
  TShownForm shown;
  auto* edit = new TEdit(shown.Form);
  edit->SetParent(shown.Form);
  TButton* other = AddButton(shown.Form, 40);
  TButton* ok = AddButton(shown.Form, 70);
  ok->SetDefault(true);
  TButton* cancel = AddButton(shown.Form, 100);
  cancel->SetCancel(true);
  QApplication::processEvents();
  edit->SetFocus();
  PressKey(edit, Qt::Key_Return);
  PressKey(edit, Qt::Key_Escape);
  EXPECT_EQ(Clicked, (std::vector<TButton*>{ok, cancel}));
  // A focused button takes Enter itself.
  Clicked.clear();
  other->SetFocus();
  PressKey(other, Qt::Key_Return);
  EXPECT_EQ(Clicked, std::vector<TButton*>{other});
}

TEST_F(ButtonTest, AcceleratorCharacters) {
  const std::pair<const char*, char> cases[] = {
      {"&OK", 'O'}, {"Save &as", 'A'}, {"Fish && &Chips", 'C'}, {"A && B", 0}, {"Trailing&", 0}, {"None", 0}};
  for (auto [caption, expected] : cases) EXPECT_EQ(AccelCharOf(caption), expected) << caption;
}

TEST_F(ButtonTest, TheCaptionShowsOnTheNativeButtonWithItsAccelerator) {
  TShownForm shown;
  TButton* button = AddButton(shown.Form, 8);
  button->SetCaption("&Go");
  QApplication::processEvents();
  EXPECT_EQ(qobject_cast<QPushButton*>(WidgetOf(button))->text(), "&Go");
  EXPECT_EQ(button->Caption(), "&Go");
}

}  // namespace
