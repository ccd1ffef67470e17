#include <gtest/gtest.h>

#include "AttachedDesigner.h"
#include "platform/controls/extctrls/Image.h"
#include "platform/controls/extctrls/Panel.h"
#include "platform/controls/stdctrls/Button.h"
#include "platform/controls/stdctrls/CustomMemo.h"
#include "platform/controls/stdctrls/Label.h"
#include "platform/windows/Clipbrd.h"

namespace {

class ComponentClipboard : public AttachedDesigner {
 protected:
  void SetUp() override {
    AttachedDesigner::SetUp();
    Panel = AddControl<TPanel>(Form(), Form(), "Panel1", 200, 20, 150, 150);
    Inner = AddControl<TButton>(Form(), Panel, "Inner", 10, 10, 80, 25);
    Button = AddControl<TButton>(Form(), Form(), "Button1", 20, 200, 80, 25);
    ProcessEvents();
  }
  // Names of the form's components, in creation order.
  std::string ComponentNames() const {
    std::string Names;
    for (int32_t I = 0; I < Form()->ComponentCount(); ++I)
      Names += (I ? "," : "") + Form()->Components(I)->Name();
    return Names;
  }
  TPanel* Panel = nullptr;
  TButton* Inner = nullptr;
  TButton* Button = nullptr;
};

// Lines of the text that start an object block at the outermost level.
int TopLevelBlocks(const std::string& Text) {
  int Blocks = 0;
  for (size_t At = 0; At != std::string::npos; At = Text.find('\n', At + 1))
    if (Text.compare(At == 0 ? 0 : At + 1, 7, "object ") == 0) ++Blocks;
  return Blocks;
}

TEST_F(ComponentClipboard, CopyOfAPanelWithItsChildSelectedPutsOneBlock) {
  Designer->AddToSelection(Panel, true);
  Designer->AddToSelection(Inner, false);
  KeyStroke(Form(), Qt::Key_Insert, Qt::ControlModifier);

  std::string Text = Clipboard()->AsText();
  EXPECT_EQ(TopLevelBlocks(Text), 1) << Text;
  EXPECT_EQ(Text.rfind("object Panel1: TPanel", 0), 0u) << Text;
  EXPECT_NE(Text.find("  object Inner: TButton"), std::string::npos) << Text;
}

TEST_F(ComponentClipboard, PasteOfNothingOrOtherTextLeavesTheFormAsItWas) {
  const std::string Before = ComponentNames();
  Clipboard()->SetAsText("");
  Designer->PasteFromClipboard();
  Clipboard()->SetAsText("object Broken: TButton\n  Left = \nend\n");
  EXPECT_THROW(Designer->PasteFromClipboard(), EParserError);
  // From the keyboard the error reaches the user in the hook's error box.
  TModalResponder Responder;
  Responder.Answer(mrOk);
  KeyStroke(Form(), Qt::Key_Insert, Qt::ShiftModifier);
  ASSERT_EQ(Responder.Requests().size(), 1u);
  EXPECT_EQ(Responder.Requests()[0].DlgType, mtError);

  EXPECT_EQ(ComponentNames(), Before);
  EXPECT_EQ(Designer->LoadedList, nullptr);
  EXPECT_EQ(Inspector->UpdateDepth, 0);
}

TEST_F(ComponentClipboard, PasteKeepsAFreeNameAndRenamesATakenOneByItsClass) {
  Designer->AddToSelection(Panel, true);
  Clipboard()->SetAsText(
      "object Fresh: TButton\n  Left = 5\n  Top = 7\n  OnClick = FreshClick\nend\n"
      "object Inner: TButton\n  Left = 30\n  Top = 40\nend\n");
  KeyStroke(Form(), Qt::Key_Insert, Qt::ShiftModifier);

  // The grabbed panel takes the pasted controls at the text's positions.
  auto* Fresh = dynamic_cast<TButton*>(Form()->FindComponent("Fresh"));
  auto* Renamed = dynamic_cast<TButton*>(Form()->FindComponent("Button2"));
  ASSERT_NE(Fresh, nullptr);
  ASSERT_NE(Renamed, nullptr);
  EXPECT_EQ(Fresh->Parent(), Panel);
  EXPECT_EQ(Fresh->BoundsRect().TopLeft(), (TPoint{5, 7}));
  EXPECT_EQ(Renamed->Parent(), Panel);
  EXPECT_EQ(Renamed->BoundsRect().TopLeft(), (TPoint{30, 40}));
  EXPECT_FALSE(Fresh->OnClick);
  EXPECT_EQ(SelectedNames(), "Fresh,Button2");
  EXPECT_EQ(Inspector->UpdateDepth, 0);
  EXPECT_TRUE(Designer->IsModified);
}

TEST_F(ComponentClipboard, CopyAndPasteBackPutsACopyOverTheOriginalAndSelectsOnlyItsTop) {
  Designer->AddToSelection(Panel, true);
  Designer->CopyToClipboard();
  Designer->UnselectAll();
  Designer->PasteFromClipboard();

  auto* Copy = dynamic_cast<TPanel*>(Form()->FindComponent("Panel2"));
  ASSERT_NE(Copy, nullptr);
  EXPECT_EQ(Copy->BoundsRect(), Panel->BoundsRect());
  ASSERT_EQ(Copy->ControlCount(), 1);
  EXPECT_EQ(Copy->Controls(0)->Name(), "Button2");
  EXPECT_EQ(SelectedNames(), "Panel2");
}

TEST_F(ComponentClipboard, AnUnregisteredClassStopsThePasteWithTheBracketClosed) {
  Clipboard()->SetAsText(
      "object Early: TButton\nend\nobject Odd: TNoSuchControl\nend\n");
  EXPECT_THROW(Designer->PasteFromClipboard(), EClassNotFound);
  EXPECT_NE(Form()->FindComponent("Early"), nullptr);
  EXPECT_EQ(Form()->FindComponent("Odd"), nullptr);
  EXPECT_EQ(Designer->LoadedList, nullptr);
  EXPECT_EQ(Inspector->UpdateDepth, 0);
  EXPECT_EQ(SelectedNames(), "");
}

TEST_F(ComponentClipboard, DeleteFreesAPanelAndItsSelectedChildOnceAndSelectsTheLastControl) {
  // The neighbour is the form's last owned control, wherever it sits.
  AddControl<TButton>(Form(), Panel, "Tail", 10, 50, 80, 25);
  AddControl<TButton>(Form(), Form(), "Last", 120, 200, 80, 25)->SendToBack();
  Designer->AddToSelection(Inner, true);
  Designer->AddToSelection(Panel, false);
  KeyStroke(Form(), Qt::Key_Delete);

  EXPECT_EQ(ComponentNames(), "Button1,Last");
  EXPECT_EQ(SelectedNames(), "Last");
  EXPECT_TRUE(Designer->IsModified);
}

TEST_F(ComponentClipboard, CutCopiesThenDeletes) {
  Designer->AddToSelection(Panel, true);
  KeyStroke(Form(), Qt::Key_Delete, Qt::ShiftModifier);
  EXPECT_EQ(ComponentNames(), "Button1");
  Designer->PasteFromClipboard();
  EXPECT_EQ(ComponentNames(), "Button1,Panel1,Inner");
}

}  // namespace
