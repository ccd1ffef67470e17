// The main window as its form resource makes it: menus, tool bar, dialogs,
// and the strip's geometry.

#include "EditorFixture.h"
#include "platform/controls/dialogs/SaveDialog.h"
#include "platform/graphics/Bitmap.h"
#include "platform/controls/extctrls/Panel.h"
#include "platform/controls/extctrls/SpeedButton.h"
#include "platform/controls/menus/MenuItem.h"
#include "platform/controls/menus/ShortCuts.h"
#include "platform/controls/Screen.h"

namespace {

struct MenuCase {
  const char* Name;
  const char* Caption;
  TShortCut Key;
  bool Enabled;
  bool Visible;
  bool Checked;
  bool Handled;
};

TEST_F(EditorTest, MenuItemsCarryTheirCaptionsShortcutsStatesAndHandlers) {
  Start();
  const MenuCase cases[] = {
      {"FileNewFormItem", "New &Form", ShortCut('N', {ssCtrl}), true, true, false, true},
      {"FileOpenItem", "&Open...", ShortCut('O', {ssCtrl}), true, true, false, true},
      {"FileClosedFilesItem", "&Reopen", 0, false, true, false, false},
      {"FileSaveItem", "&Save", ShortCut('S', {ssCtrl}), true, true, false, true},
      {"FileSaveAsItem", "Save &As...", 0, true, true, false, true},
      {"FileSaveAllItem", "Sa&ve All", ShortCut('A', {ssCtrl}), true, true, false, true},
      {"FileCloseAllItem", "C&lose All", 0, true, true, false, true},
      {"FileExitItem", "Exit", ShortCut('X', {ssAlt}), true, true, false, true},
      {"EditUndoItem", "&Undelete", 0, false, true, false, false},
      {"EditRedoItem", "&Redo", 0, false, true, false, false},
      {"EditPasteItem", "&Paste", 0, true, true, false, true},
      {"EditTabOrderItem", "Tab O&rder...", 0, true, true, false, false},
      {"ViewObjectInspector", "Object Inspector", ShortCut(VK_F11, {}), true, true, false, true},
      {"ViewSpeedBarItem", "&Speedbar", 0, true, true, true, false},
      {"ViewPaletteItem", "Compone&nt Palette", 0, true, true, true, false},
      {"ViewSwapSourceFormItem", "View as Text", 0, true, false, false, false},
      {"HelpWhatsNew", "&What's New", 0, true, true, false, false},
  };
  for (const MenuCase& c : cases) {
    auto* item = dynamic_cast<TMenuItem*>(Editor->FindComponent(c.Name));
    ASSERT_NE(item, nullptr) << c.Name;
    EXPECT_EQ(item->Caption(), c.Caption) << c.Name;
    EXPECT_EQ(item->ShortCut(), c.Key) << c.Name;
    EXPECT_EQ(item->Enabled(), c.Enabled) << c.Name;
    EXPECT_EQ(item->Visible(), c.Visible) << c.Name;
    EXPECT_EQ(item->Checked(), c.Checked) << c.Name;
    EXPECT_EQ(static_cast<bool>(item->OnClick), c.Handled) << c.Name;
  }
}

TEST_F(EditorTest, ToolBarButtonsSitInTwoRowsWithGlyphsHintsAndStates) {
  Start();
  struct {
    TSpeedButton* Button;
    int32_t Left, Top;
    const char* Hint;
    bool Enabled;
  } const cases[] = {
      {Editor->btnNew, 0, 2, "新建报表", true},
      {Editor->btnOpenReport, 28, 2, "", true},
      {Editor->btnSaveReport, 56, 2, "", true},
      {Editor->AdvSpeedButton2, 84, 2, "打开 DesignTime Package", true},
      {Editor->AdvSpeedButton1, 112, 2, "", true},
      {Editor->btnEdit, 0, 32, "", false},
      {Editor->btnRun, 28, 32, "", false},
  };
  for (const auto& c : cases) {
    ASSERT_NE(c.Button, nullptr);
    EXPECT_EQ(c.Button->Parent(), Editor->Panel1) << c.Button->Name();
    EXPECT_EQ(TRect(c.Button->BoundsRect()), TRect(c.Left, c.Top, c.Left + 28, c.Top + 28)) << c.Button->Name();
    EXPECT_EQ(c.Button->Hint(), c.Hint) << c.Button->Name();
    EXPECT_EQ(c.Button->Enabled(), c.Enabled) << c.Button->Name();
    EXPECT_TRUE(c.Button->Flat()) << c.Button->Name();
    EXPECT_EQ(c.Button->Glyph()->Width(), 24) << c.Button->Name();
    EXPECT_EQ(c.Button->Glyph()->Height(), 24) << c.Button->Name();
  }
}

TEST_F(EditorTest, StripSpansTheScreenWithAnEmptyPaletteArea) {
  Start();
  EXPECT_EQ(Editor->Caption(), "Morvane Editor");
  EXPECT_EQ(Editor->Left(), 0);
  EXPECT_EQ(Editor->Top(), 0);
  // Shown, the window's outer size takes the frame the window system adds.
  EXPECT_GE(Editor->Width(), Screen->Width());
  EXPECT_LE(Editor->Width(), Screen->Width() + 8);
  EXPECT_GE(Editor->Height(), 110);
  EXPECT_LE(Editor->Height(), 118);
  EXPECT_TRUE(Editor->ShowHint());
  EXPECT_EQ(Editor->Panel2->Align(), alClient);
  EXPECT_EQ(Editor->Panel1->Width(), 142);
  for (TOpenDialog* dialog : {Editor->OpenFileDialog, static_cast<TOpenDialog*>(Editor->SaveFileDialog)}) {
    EXPECT_EQ(dialog->DefaultExt(), "DFM");
    EXPECT_EQ(dialog->Filter(), "*.DFM|*.DFM");
  }
  EXPECT_TRUE(Editor->SaveFileDialog->Options().Contains(ofOverwritePrompt));
  EXPECT_FALSE(Editor->OpenFileDialog->Options().Contains(ofOverwritePrompt));
}

// The window never grows taller than it is, by maximizing or by sizing.
TEST_F(EditorTest, HeightCannotGrowPastTheCurrentHeight) {
  Start();
  const int32_t height = Editor->Height();
  Editor->SetBounds(0, 0, Editor->Width(), height + 100);
  EXPECT_EQ(Editor->Height(), height);
  Editor->SetBounds(0, 0, Editor->Width(), height - 30);
  EXPECT_EQ(Editor->Height(), height - 30);
  Editor->SetBounds(0, 0, Editor->Width(), height);
  EXPECT_EQ(Editor->Height(), height - 30);
  MINMAXINFO info{};
  info.ptMaxSize = {2000, 2000};
  info.ptMaxTrackSize = {2000, 2000};
  SendMessage(Editor->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMaxSize.Y, height - 30);
  EXPECT_EQ(info.ptMaxTrackSize.Y, height - 30);
  EXPECT_EQ(info.ptMaxTrackSize.X, 2000);
}

}  // namespace
