// One form at a time leaves design mode ("run") and comes back ("edit"); the
// designers and the window in their lifetimes.

#include "EditorFixture.h"
#include "platform/controls/dialogs/OpenDialog.h"
#include "platform/controls/extctrls/SpeedButton.h"

namespace {

TEST_F(EditorTest, RunTakesTheCurrentFormOutOfDesignModeOnce) {
  Start();
  EXPECT_FALSE(Editor->btnRun->Enabled());
  ClickItem("FileNewFormItem");
  ClickItem("FileNewFormItem");
  TObjectEditor* running = DesignerAt(1);
  TCustomForm* form = FormAt(1);
  ASSERT_EQ(ActiveDesigner(), running);
  ClickButton(Editor->btnRun);
  EXPECT_EQ(Editor->RunForm(), form);
  EXPECT_EQ(running->EditControl, nullptr);
  EXPECT_FALSE(running->FreeOnDetach);
  EXPECT_FALSE(Editor->btnRun->Enabled());
  EXPECT_TRUE(Editor->btnEdit->Enabled());

  SetActiveWindow(FormAt(0)->Handle());
  ProcessEvents();
  Editor->btnRunClick(Editor->btnRun);  // a second run changes nothing
  EXPECT_EQ(Editor->RunForm(), form);
  EXPECT_EQ(DesignerAt(0)->EditControl, FormAt(0));

  ClickButton(Editor->btnEdit);  // edit puts back the form that runs, not the current one
  EXPECT_EQ(Editor->RunForm(), nullptr);
  EXPECT_EQ(running->EditControl, form);
  EXPECT_TRUE(running->FreeOnDetach);
  EXPECT_EQ(FormCount(), 2);
}

TEST_F(EditorTest, AFormThatGoesWhileRunningTakesItsDesignerAndEntry) {
  Start();
  ClickItem("FileNewFormItem");
  ClickButton(Editor->btnRun);
  ASSERT_NE(Editor->RunForm(), nullptr);
  Editor->RunForm()->Free();
  ProcessEvents();
  EXPECT_EQ(Editor->RunForm(), nullptr);
  EXPECT_EQ(FormCount(), 0);
  EXPECT_FALSE(Editor->btnEdit->Enabled());
}

}  // namespace

namespace {

// At the program's end the main window may go before the designed forms;
// their designers then free themselves without calling back into it.
TEST_F(EditorTest, FormsOutlivingTheWindowFreeTheirDesignersQuietly) {
  Start();
  ClickItem("FileNewFormItem");
  TCustomForm* form = FormAt(0);
  Editor->Free();
  Editor = nullptr;
  ProcessEvents();
  form->Free();
  ProcessEvents();
  EXPECT_EQ(ActiveDesigner(), nullptr);
}

}  // namespace
