// Forms and their files: the command line, new, open, save, save as, save
// all, close, close all, and the question before changes are lost.

#include <filesystem>
#include <fstream>

#include "EditorFixture.h"
#include "platform/controls/dialogs/OpenDialog.h"
#include "platform/controls/extctrls/SpeedButton.h"
#include "platform/controls/ModalResponder.h"
#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"

namespace {

const char* const TwoButtons = R"(object TestForm1: TTestForm
  Left = 10
  Top = 10
  Width = 300
  Height = 200
  Caption = 'Two buttons'
  object Button1: TButton
    Left = 8
    Top = 8
    Width = 75
    Height = 25
    Caption = 'One'
    TabOrder = 0
  end
  object Button2: TButton
    Left = 8
    Top = 40
    Width = 75
    Height = 25
    Caption = 'Two'
    TabOrder = 1
  end
end)";

void Touch(const std::string& fileName) { std::ofstream(fileName) << "unit\n"; }

TEST_F(EditorTest, WithoutParameterNoFormIsOpen) {
  Start();
  EXPECT_EQ(FormCount(), 0);
  EXPECT_EQ(ActiveDesigner(), nullptr);
  // Commands that need a form do nothing without one.
  TModalResponder responder;
  ClickItem("FileSaveItem");
  ClickItem("FileCloseItem");
  ClickItem("EditPasteItem");
  EXPECT_TRUE(responder.Requests().empty());
}

TEST_F(EditorTest, MissingFileMakesAnEmptyFormThatSaveWritesWithoutDialog) {
  const std::string name = PathOf("fresh.DFM");
  Start(name);
  ASSERT_EQ(FormCount(), 1);
  EXPECT_EQ(FormAt(0)->Name(), "TestForm1");
  EXPECT_EQ(FileAt(0), name);
  EXPECT_EQ(Editor->OpenFileDialog->InitialDir(), ExtractFilePath(name));
  EXPECT_EQ(ActiveDesigner(), DesignerAt(0));
  TModalResponder responder;  // no answers: a dialog would raise
  DesignerAt(0)->MarkModified();
  Shortcut(Qt::Key_S, Qt::ControlModifier);
  EXPECT_TRUE(responder.Requests().empty());
  EXPECT_TRUE(FileExists(name));
  EXPECT_FALSE(DesignerAt(0)->IsModified);
}

// A unit file's name opens the form file of the same name, but only when the
// unit file exists; a missing one is taken as it is.
TEST_F(EditorTest, ExistingUnitNameOpensTheFormFile) {
  struct {
    bool UnitExists;
    const char* Bound;
  } const cases[] = {{true, "form.DFM"}, {false, "form.pas"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Bound);
    std::filesystem::remove_all(Folder.path().toStdString());
    std::filesystem::create_directories(Folder.path().toStdString());
    WriteFormFile(PathOf("form.DFM"), TwoButtons);
    if (c.UnitExists) Touch(PathOf("form.pas"));
    Start(PathOf("form.pas"));
    ASSERT_EQ(FormCount(), 1);
    EXPECT_EQ(FileAt(0), PathOf(c.Bound));
    EXPECT_EQ(FormAt(0)->FindComponent("Button2") != nullptr, c.UnitExists);
    TearDown();
    Editor = nullptr;
  }
}

// The form is made before the file is read: a file that is no form file
// raises to the user and leaves an empty form bound to that name.
TEST_F(EditorTest, OpeningAFileThatIsNoFormLeavesAnEmptyFormBoundToIt) {
  Start();
  const std::string name = PathOf("notes.DFM");
  Touch(name);
  TModalResponder responder;
  responder.Choose({name});
  EXPECT_THROW(Editor->FileOpenItemClick(nullptr), Exception);
  ASSERT_EQ(FormCount(), 1);
  EXPECT_EQ(FileAt(0), name);
  EXPECT_EQ(FormAt(0)->ComponentCount(), 0);
}

TEST_F(EditorTest, AnUnreadableFileOnTheCommandLineIsReportedAndTheEditorStarts) {
  const std::string name = PathOf("broken.DFM");
  Touch(name);
  TModalResponder responder;
  responder.Answer(mrOk);
  Start(name);
  ASSERT_EQ(responder.Requests().size(), 1u);
  EXPECT_EQ(responder.Requests()[0].DlgType, mtError);
  ASSERT_EQ(FormCount(), 1);
  EXPECT_EQ(FileAt(0), name);
}

TEST_F(EditorTest, ClosingTheWindowAnsweringNoThenCancelSavesNothingAndStays) {
  const std::string first = PathOf("first.DFM");
  Start(first);
  ClickButton(Editor->btnNew);
  ASSERT_EQ(FormCount(), 2);
  DesignerAt(0)->MarkModified();
  DesignerAt(1)->MarkModified();
  TModalResponder responder;
  responder.Answer(mrNo);
  responder.Answer(mrCancel);
  Shortcut(Qt::Key_X, Qt::AltModifier);  // File > Exit
  ASSERT_EQ(responder.Requests().size(), 2u);
  EXPECT_EQ(responder.Requests()[0].Text, first + " has been modified, save ?");
  EXPECT_EQ(responder.Requests()[1].Text, "New Report \"TestForm2\" has been modified, save ?");
  EXPECT_EQ(responder.Requests()[1].DlgType, mtConfirmation);
  EXPECT_EQ(responder.Requests()[1].Buttons, mbYesNoCancel);
  EXPECT_EQ(responder.Requests()[1].HelpCtx, 0);
  EXPECT_FALSE(FileExists(first));
  EXPECT_TRUE(Editor->Visible());
  EXPECT_EQ(FormCount(), 2);
  EXPECT_TRUE(DesignerAt(0)->IsModified);
}

TEST_F(EditorTest, SaveAllStopsWhenTheSaveAsOfAnUntitledFormIsCancelled) {
  Start();
  Shortcut(Qt::Key_N, Qt::ControlModifier);
  ClickButton(Editor->btnNew);
  ASSERT_EQ(FormCount(), 2);
  DesignerAt(0)->MarkModified();
  DesignerAt(1)->MarkModified();
  TModalResponder responder;
  responder.Answer(mrCancel);
  Shortcut(Qt::Key_A, Qt::ControlModifier);
  ASSERT_EQ(responder.Requests().size(), 1u);
  EXPECT_EQ(responder.Requests()[0].Kind, mrkDialog);
  EXPECT_EQ(responder.Requests()[0].Filter, "*.DFM|*.DFM");
  EXPECT_TRUE(DesignerAt(0)->IsModified);
  EXPECT_TRUE(DesignerAt(1)->IsModified);
  EXPECT_EQ(FileAt(0), "");
}

TEST_F(EditorTest, SaveAsBindsTheFormToTheChosenName) {
  Start();
  ClickItem("FileNewFormItem");
  const std::string name = PathOf("chosen.DFM");
  TModalResponder responder;
  responder.Choose({name});
  ClickItem("FileSaveAsItem");
  EXPECT_EQ(FileAt(0), name);
  EXPECT_TRUE(FileExists(name));
  EXPECT_FALSE(DesignerAt(0)->IsModified);
}

TEST_F(EditorTest, ClosingAnUntitledModifiedFormAsksForANameAndCancelKeepsIt) {
  Start();
  ClickItem("FileNewFormItem");
  DesignerAt(0)->MarkModified();
  TModalResponder responder;
  responder.Answer(mrCancel);
  ClickItem("FileCloseItem");
  ProcessEvents();
  ASSERT_EQ(responder.Requests().size(), 1u);
  EXPECT_EQ(responder.Requests()[0].Kind, mrkDialog);
  ASSERT_EQ(FormCount(), 1);
  EXPECT_TRUE(IsWindowVisible(FormAt(0)->Handle()));
}

TEST_F(EditorTest, NumbersOfDestroyedFormsAreUsedAgain) {
  Start();
  ClickItem("FileNewFormItem");
  ClickItem("FileNewFormItem");
  ASSERT_EQ(FormCount(), 2);
  EXPECT_EQ(FormAt(1)->Name(), "TestForm2");
  SetActiveWindow(FormAt(0)->Handle());
  ProcessEvents();
  ASSERT_EQ(ActiveDesigner(), DesignerAt(0));
  ClickItem("FileCloseItem");
  ASSERT_EQ(FormCount(), 1);
  EXPECT_EQ(FormAt(0)->Name(), "TestForm2");
  ClickItem("FileNewFormItem");
  EXPECT_EQ(FormAt(1)->Name(), "TestForm1");
}

TEST_F(EditorTest, CloseAllAsksOnceForEachModifiedFormThenClosesEveryForm) {
  const std::string first = PathOf("first.DFM");
  Start(first);
  ClickItem("FileNewFormItem");
  DesignerAt(0)->MarkModified();
  TModalResponder responder;
  responder.Answer(mrYes);
  ClickItem("FileCloseAllItem");
  EXPECT_EQ(responder.Requests().size(), 1u);
  EXPECT_TRUE(FileExists(first));
  EXPECT_EQ(FormCount(), 0);
  EXPECT_EQ(ActiveDesigner(), nullptr);
}

}  // namespace
