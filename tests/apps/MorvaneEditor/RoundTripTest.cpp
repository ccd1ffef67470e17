// A form's way through the editor: components pasted from text and moved with
// the mouse are saved, closed, opened again, and come back the same.

#include <filesystem>
#include <fstream>
#include <sstream>

#include "EditorFixture.h"
#include "platform/controls/ModalResponder.h"
#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"
#include "platform/windows/Clipbrd.h"

namespace {

const char* const PanelWithButton = R"(object Panel1: TPanel
  Left = 16
  Top = 16
  Width = 160
  Height = 96
  Caption = 'Panel1'
  TabOrder = 0
  object Button1: TButton
    Left = 16
    Top = 24
    Width = 75
    Height = 25
    Caption = 'Inside'
    TabOrder = 0
  end
end
object Edit1: TEdit
  Left = 200
  Top = 24
  Width = 121
  Height = 21
  TabOrder = 1
  Text = 'Edit1'
end
)";

std::string Contents(const std::string& fileName) {
  std::ifstream file(fileName, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

TEST_F(EditorTest, PastedAndMovedComponentsComeBackTheSameFromTheirFile) {
  const std::string name = PathOf("trip.DFM");
  Start(name);
  Clipboard()->SetTextBuf(PanelWithButton);
  ClickItem("EditPasteItem");
  TCustomForm* form = FormAt(0);
  auto* panel = dynamic_cast<TControl*>(form->FindComponent("Panel1"));
  ASSERT_NE(panel, nullptr);
  ASSERT_NE(form->FindComponent("Button1"), nullptr);
  EXPECT_TRUE(dynamic_cast<TWinControl*>(panel)->Showing());
  // Drag the panel by a spot of its own, away from the button inside it.
  MouseDrag(panel, QPoint(120, 70), QPoint(120 + 40, 70 + 32));
  ProcessEvents();
  const int32_t movedLeft = panel->Left();
  const int32_t movedTop = panel->Top();
  EXPECT_NE(movedLeft, 16);
  EXPECT_NE(movedTop, 16);

  Shortcut(Qt::Key_S, Qt::ControlModifier);
  const std::string saved = FormFileText(name);
  ClickItem("FileCloseItem");
  ASSERT_EQ(FormCount(), 0);

  TModalResponder responder;
  responder.Choose({name});
  Shortcut(Qt::Key_O, Qt::ControlModifier);
  ASSERT_EQ(FormCount(), 1);
  EXPECT_EQ(FileAt(0), name);
  auto* reopened = dynamic_cast<TControl*>(FormAt(0)->FindComponent("Panel1"));
  ASSERT_NE(reopened, nullptr);
  EXPECT_EQ(reopened->Left(), movedLeft);
  EXPECT_EQ(reopened->Top(), movedTop);
  EXPECT_NE(FormAt(0)->FindComponent("Button1"), nullptr);
  EXPECT_NE(FormAt(0)->FindComponent("Edit1"), nullptr);

  DesignerAt(0)->MarkModified();
  Shortcut(Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(FormFileText(name), saved);
}

// A save that fails raises to the user and changes nothing: the old file,
// the form's file name and its modified flag stay.
TEST_F(EditorTest, AFailedSaveAsKeepsTheOldFileNameAndFlag) {
  const std::string name = PathOf("kept.DFM");
  Start(name);
  DesignerAt(0)->MarkModified();
  Shortcut(Qt::Key_S, Qt::ControlModifier);
  const std::string before = Contents(name);
  ASSERT_FALSE(before.empty());
  std::ofstream(PathOf("plainfile")) << "not a folder";

  Clipboard()->SetTextBuf(PanelWithButton);
  ClickItem("EditPasteItem");
  ASSERT_TRUE(DesignerAt(0)->IsModified);
  TModalResponder responder;
  responder.Choose({PathOf("plainfile/inside.DFM")});
  EXPECT_THROW(Editor->FileSaveAsItemClick(nullptr), EFCreateError);
  EXPECT_EQ(FileAt(0), name);
  EXPECT_TRUE(DesignerAt(0)->IsModified);
  EXPECT_EQ(Contents(name), before);
}

}  // namespace
