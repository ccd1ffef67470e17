#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "StdCtrlsTestSupport.h"

namespace {

// An edit in the multi-line style that keeps its text to one row and leaves
// room for a button at its right end, as an in-place editor does.
class TButtonedEdit : public TCustomEdit {
  MORVANE_CLASS(TButtonedEdit, TCustomEdit)

 public:
  using TCustomEdit::TCustomEdit;

 protected:
  void CreateParams(TCreateParams& params) override {
    inherited::CreateParams(params);
    params.Style |= ES_MULTILINE;
  }
};

class EditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartStdCtrls();
    Edit = new TEdit(Shown.Form);
    Edit->SetParent(Shown.Form);
    Edit->SetBounds(8, 8, 150, 24);
    Edit->OnChange = [this](TObject*) { ++Changes; };
    QApplication::processEvents();
  }
  TShownForm Shown{260, 200};
  TEdit* Edit = nullptr;
  int Changes = 0;
};

struct TTypingCase {
  const char* Name;
  TEditCharCase CharCase;
  int32_t MaxLength;
  bool ReadOnly;
  const char* Typed;
  const char* Expected;
};

TEST_F(EditTest, TypedKeysReachTheTextThroughCaseLimitAndReadOnly) {
  const TTypingCase cases[] = {
      {"plain", ecNormal, 0, false, "Hello", "Hello"},
      {"upper", ecUpperCase, 0, false, "Hello", "HELLO"},
      {"lower", ecLowerCase, 0, false, "HeLLo", "hello"},
      {"limited", ecNormal, 3, false, "Hello", "Hel"},
      {"read-only", ecNormal, 0, true, "Hello", ""},
  };
  for (const TTypingCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Edit->SetText("");
    Edit->SetCharCase(c.CharCase);
    Edit->SetMaxLength(c.MaxLength);
    Edit->SetReadOnly(c.ReadOnly);
    Edit->SetModified(false);
    Changes = 0;
    TypeText(Edit, c.Typed);
    EXPECT_EQ(Edit->Text(), c.Expected);
    bool changed = *c.Expected != '\0';
    EXPECT_EQ(Edit->Modified(), changed);
    EXPECT_EQ(Changes > 0, changed);
  }
}

TEST_F(EditTest, OnKeyPressSeesAndChangesTypedCharacters) {
  Edit->OnKeyPress = [](TObject*, char& key) {
    if (key == 'x') key = 0;
    if (key == 'a') key = 'b';
  };
  TypeText(Edit, "axc");
  EXPECT_EQ(Edit->Text(), "bc");
}

TEST_F(EditTest, SettingTextClearsModifiedAndFiresOnChange) {
  TypeText(Edit, "ab");
  ASSERT_TRUE(Edit->Modified());
  Changes = 0;
  Edit->SetText("new");
  EXPECT_FALSE(Edit->Modified());
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(Edit->Text(), "new");
}

TEST_F(EditTest, SelectionReadsAndReplacesPartsOfTheText) {
  Edit->SetText("Hello World");
  Edit->SetSelStart(6);
  Edit->SetSelLength(5);
  EXPECT_EQ(Edit->SelText(), "World");
  Edit->SetSelText("There");
  EXPECT_EQ(Edit->Text(), "Hello There");
  EXPECT_EQ(Edit->SelStart(), 11);
  EXPECT_EQ(Edit->SelLength(), 0);
  Edit->SelectAll();
  EXPECT_EQ(Edit->SelLength(), 11);
  // The same through the window's messages.
  Edit->Perform(EM_SETSEL, 0, 5);
  DWORD start = 0, end = 0;
  Edit->Perform(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 5u);
  Edit->Perform(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("Howdy"));
  EXPECT_EQ(Edit->Text(), "Howdy There");
}

TEST_F(EditTest, TextAndModifiedSurviveANewWindow) {
  TypeText(Edit, "kept");
  Edit->SetBorderStyle(bsNone);  // makes the window again
  EXPECT_EQ(Edit->Text(), "kept");
  EXPECT_TRUE(Edit->Modified());
}

TEST_F(EditTest, TextIsKeptWithoutAWindowAndShownWhenOneIsMade) {
  auto* loose = new TEdit(Shown.Form);
  loose->SetText("before");
  EXPECT_FALSE(loose->HandleAllocated());
  EXPECT_EQ(loose->Text(), "before");
  loose->SetParent(Shown.Form);
  QApplication::processEvents();
  ASSERT_TRUE(loose->HandleAllocated());
  EXPECT_EQ(qobject_cast<QLineEdit*>(WidgetOf(loose))->text(), "before");
}

// Text drawn right of the text rectangle would land where a descendant
// paints its button: long text must stop short of it, in both styles.
TEST_F(EditTest, TextRectangleKeepsTextClearOfTheRightEnd) {
  auto* multi = new TButtonedEdit(Shown.Form);
  multi->SetParent(Shown.Form);
  multi->SetBounds(8, 40, 150, 24);
  for (TCustomEdit* edit : {static_cast<TCustomEdit*>(Edit), static_cast<TCustomEdit*>(multi)}) {
    SCOPED_TRACE(edit->ClassName());
    edit->SetText(std::string(60, 'W'));
    edit->SetSelStart(0);
    TRect rect = Rect(2, 2, edit->Width() - 30, edit->Height());
    edit->SetTextRect(rect);
    EXPECT_EQ(edit->TextRect(), rect);
    RECT asked{};
    edit->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&asked));
    EXPECT_EQ(asked, rect);
    QApplication::processEvents();
    QImage image = Snapshot(edit);
    int dark = 0;
    for (int x = edit->Width() - 26; x < edit->Width() - 4; ++x)
      for (int y = 4; y < edit->Height() - 4; ++y)
        if (qGray(image.pixel(x, y)) < 128) ++dark;
    EXPECT_EQ(dark, 0) << "text painted right of the text rectangle";
    int inside = 0;
    for (int x = 4; x < 60; ++x)
      for (int y = 4; y < edit->Height() - 4; ++y)
        if (qGray(image.pixel(x, y)) < 128) ++inside;
    EXPECT_GT(inside, 0) << "no text painted at all";
  }
}

TEST_F(EditTest, EnterInTheMultiLineStyleIsLeftToTheDialogUnlessWanted) {
  auto* plain = new TButtonedEdit(Shown.Form);
  plain->SetParent(Shown.Form);
  auto* memo = new TMemo(Shown.Form);
  memo->SetParent(Shown.Form);
  memo->SetTop(60);
  QApplication::processEvents();
  for (TCustomEdit* edit : {static_cast<TCustomEdit*>(plain), static_cast<TCustomEdit*>(memo)}) {
    edit->SetText("ab");
    edit->SetSelStart(1);
    PressKey(edit, Qt::Key_Return);
  }
  EXPECT_EQ(plain->Text(), "ab");
  EXPECT_EQ(memo->Text(), "a\nb");
}

TEST_F(EditTest, MemoLinesAreTheWindowsText) {
  auto* memo = new TMemo(Shown.Form);
  memo->Lines()->SetText("one\ntwo\n");
  EXPECT_EQ(memo->Text(), "one\ntwo");
  memo->SetParent(Shown.Form);
  QApplication::processEvents();
  ASSERT_TRUE(memo->HandleAllocated());
  EXPECT_EQ(qobject_cast<QPlainTextEdit*>(WidgetOf(memo))->toPlainText(), "one\ntwo");
  memo->Lines()->Add("three");
  memo->Lines()->Put(0, "ONE");
  memo->Lines()->Delete(1);
  EXPECT_EQ(memo->Lines()->Count(), 2);
  EXPECT_EQ(memo->Text(), "ONE\nthree");
  memo->SetSelStart(static_cast<int32_t>(memo->Text().size()));
  PressKey(memo, Qt::Key_Return);
  TypeText(memo, "four");
  EXPECT_EQ(memo->Lines()->Count(), 3);
  EXPECT_EQ(memo->Lines()->Strings(2), "four");
  EXPECT_THROW(memo->Lines()->Strings(3), EStringListError);
}

TEST_F(EditTest, MemoTabsInsertOnlyWhenWanted) {
  auto* memo = new TMemo(Shown.Form);
  memo->SetParent(Shown.Form);
  memo->SetText("");
  memo->SetWantTabs(true);
  QApplication::processEvents();
  PressKey(memo, Qt::Key_Tab);
  EXPECT_EQ(memo->Text(), "\t");
}

}  // namespace
