// What presses and keys on the design surface do to the selection, and the
// selection operations that editors and the inspector call.

#include <gtest/gtest.h>

#include <QKeySequence>

#include "DesignerTestSupport.h"
#include "platform/controls/extctrls/Panel.h"
#include "platform/controls/extctrls/Timer.h"
#include "platform/controls/stdctrls/Button.h"
#include "platform/controls/stdctrls/Edit.h"
#include "platform/controls/stdctrls/Label.h"
#include "platform/design/ComponentEditor.h"

namespace {

// Counts the edits a double click asks of an edit's component editor.
int EditorEdits = 0;
class TCountingEditor : public TComponentEditor {
  MORVANE_CLASS(TCountingEditor, TComponentEditor)
 public:
  void Edit() override { ++EditorEdits; }
};

// Button1, Label1, Button2, Edit1 and Panel1 (holding Button3) on a designed
// form, in that creation and tab order.
struct TInputFixture : ::testing::Test {
  TRecordingInspector Inspector;
  TDesignedForm Designed;
  TForm* Form = Designed.Form;
  TButton* Button1 = AddControl<TButton>(Form, Form, "Button1", 16, 16, 80, 24);
  TLabel* Label1 = AddControl<TLabel>(Form, Form, "Label1", 16, 56, 60, 16);
  TButton* Button2 = AddControl<TButton>(Form, Form, "Button2", 120, 16, 80, 24);
  TEdit* Edit1 = AddControl<TEdit>(Form, Form, "Edit1", 16, 100, 120, 24);
  TPanel* Panel1 = AddControl<TPanel>(Form, Form, "Panel1", 200, 100, 150, 100);
  TButton* Button3 = AddControl<TButton>(Form, Panel1, "Button3", 10, 10, 60, 24);
  TObjectEditor* Designer = nullptr;

  TInputFixture() {
    ProcessEvents();
    Designer = CreateDesigner(Form, &Inspector);
    ProcessEvents();
    Inspector.ClearCalls();
  }
  ~TInputFixture() override {
    if (Designer) Designer->SetEditControl(nullptr);
  }
  void Click(TControl* control, QPoint at = {5, 5},
             Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    MousePress(control, at, modifiers);
    MouseRelease(control, at, modifiers);
    ProcessEvents();
  }
  std::string Selected() const {
    std::string names;
    for (TControl* item : Designer->Selection) names += (names.empty() ? "" : ",") + item->Name();
    return names;
  }
  std::string LastReport() const {
    for (auto it = Inspector.Calls.rbegin(); it != Inspector.Calls.rend(); ++it)
      if (it->rfind("InspectObject", 0) == 0 || it->rfind("SetSelections", 0) == 0) return *it;
    return "";
  }
};

TEST_F(TInputFixture, ClicksSelectAndShiftToggles) {
  Click(Button1);
  EXPECT_EQ(Selected(), "Button1");
  EXPECT_EQ(LastReport(), "InspectObject Button1");
  EXPECT_TRUE(Designer->Grab->Visible);
  EXPECT_EQ(Button1->Left(), 16) << "a click without moving moves nothing";

  Click(Label1, {5, 5}, Qt::ShiftModifier);
  EXPECT_EQ(Selected(), "Button1,Label1");
  EXPECT_EQ(LastReport(), "SetSelections Button1,Label1");
  EXPECT_FALSE(Designer->Grab->Visible);

  Click(Button1, {5, 5}, Qt::ShiftModifier);
  EXPECT_EQ(Selected(), "Label1");
  EXPECT_EQ(LastReport(), "InspectObject Label1");
  EXPECT_EQ(Designer->Grab->Control, Label1);
  EXPECT_TRUE(Designer->Grab->Visible);
}

// Ctrl (with or without Shift) starts a band inside the pressed control when
// it takes children, else inside its parent.
TEST_F(TInputFixture, CtrlPressStartsABandAndWinsOverShift) {
  struct TCase {
    TControl* Pressed;
    Qt::KeyboardModifiers Modifiers;
    TWinControl* BandIn;
  };
  const TCase cases[] = {
      {Button1, Qt::ControlModifier, Form},
      {Button1, Qt::ControlModifier | Qt::ShiftModifier, Form},
      {Label1, Qt::ControlModifier, Form},
      {Panel1, Qt::ControlModifier | Qt::ShiftModifier, Panel1},
      {Button3, Qt::ControlModifier, Panel1},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Pressed->Name());
    MousePress(c.Pressed, {5, 5}, c.Modifiers);
    EXPECT_EQ(Designer->DragState.Kind, dkSelect);
    EXPECT_EQ(Designer->DragState.Window, c.BandIn->Handle());
    MouseRelease(c.Pressed, {5, 5}, c.Modifiers);
    ProcessEvents();
  }
  // A band from Button1 across Button2 selects both.
  MouseDrag(Button1, {5, 5}, {150, 12}, Qt::ControlModifier | Qt::ShiftModifier);
  ProcessEvents();
  EXPECT_EQ(Selected(), "Button1,Button2");
  EXPECT_EQ(LastReport(), "SetSelections Button1,Button2");
}

TEST_F(TInputFixture, PressingTheEmptySurfaceClearsAndRightPressingClearsSilently) {
  Click(Button1);
  MousePress(Form, {300, 250});
  EXPECT_EQ(Selected(), "");
  EXPECT_EQ(Designer->DragState.Kind, dkSelect);
  MouseRelease(Form, {300, 250});
  ProcessEvents();
  EXPECT_EQ(LastReport(), "InspectObject Form1");

  Click(Button1);
  Inspector.ClearCalls();
  MousePress(Form, {300, 250}, Qt::NoModifier, Qt::RightButton);
  MouseRelease(Form, {300, 250}, Qt::NoModifier, Qt::RightButton);
  EXPECT_EQ(Selected(), "");
  EXPECT_TRUE(Inspector.Calls.empty());

  MousePress(Button2, {5, 5}, Qt::NoModifier, Qt::RightButton);
  MouseRelease(Button2, {5, 5}, Qt::NoModifier, Qt::RightButton);
  EXPECT_EQ(Selected(), "Button2");
  EXPECT_EQ(LastReport(), "InspectObject Button2");
}

TEST_F(TInputFixture, ARightPressCancelsAMove) {
  MousePress(Button1, {5, 5});
  ASSERT_EQ(Designer->DragState.Kind, dkMove);
  MousePress(Button1, {5, 5}, Qt::NoModifier, Qt::RightButton);
  EXPECT_EQ(Designer->DragState.Kind, dkNone);
  MouseRelease(Button1, {5, 5}, Qt::NoModifier, Qt::RightButton);
  MouseMoveTo(Button1, {40, 30}, Qt::LeftButton);
  MouseRelease(Button1, {40, 30});
  EXPECT_EQ(Button1->BoundsRect(), Bounds(16, 16, 80, 24));
  EXPECT_EQ(Selected(), "Button1");
}

TEST_F(TInputFixture, AControlWithItsOwnCursorKeepsItsPressAndIsSelected) {
  int clicks = 0;
  Button1->OnClick = [&](TObject*) { ++clicks; };
  Button1->SetCursor(crHandPoint);
  Click(Button1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(Selected(), "Button1");
  EXPECT_EQ(LastReport(), "InspectObject Button1");
  EXPECT_EQ(Designer->DragState.Kind, dkNone);

  Button1->SetCursor(crDefault);
  Click(Button1);
  EXPECT_EQ(clicks, 1) << "under the arrow the press is the designer's";
}

// Button2 selected alone, then one key stroke.
TEST_F(TInputFixture, KeyTable) {
  struct TCase {
    Qt::Key Key;
    Qt::KeyboardModifiers Modifiers;
    const char* Selected;
    TRect Bounds;  // Button2's bounds afterwards
  };
  const TRect start = Button2->BoundsRect();
  auto moved = [&](int32_t dx, int32_t dy) { return Bounds(120 + dx, 16 + dy, 80, 24); };
  auto sized = [&](int32_t dw, int32_t dh) { return Bounds(120, 16, 80 + dw, 24 + dh); };
  const Qt::KeyboardModifiers shiftCtrl = Qt::ShiftModifier | Qt::ControlModifier;
  const TCase cases[] = {
      {Qt::Key_Tab, Qt::NoModifier, "Edit1", start},
      {Qt::Key_Backtab, Qt::ShiftModifier, "Button1", start},
      {Qt::Key_Tab, Qt::ControlModifier, "Button2", start},
      {Qt::Key_Right, Qt::NoModifier, "Edit1", start},
      {Qt::Key_Down, Qt::NoModifier, "Edit1", start},
      {Qt::Key_Left, Qt::NoModifier, "Button1", start},
      {Qt::Key_Up, Qt::NoModifier, "Button1", start},
      {Qt::Key_Right, Qt::ShiftModifier, "Button2", sized(1, 0)},
      {Qt::Key_Down, Qt::ShiftModifier, "Button2", sized(0, 1)},
      {Qt::Key_Left, Qt::ShiftModifier, "Button2", sized(-1, 0)},
      {Qt::Key_Up, Qt::ShiftModifier, "Button2", sized(0, -1)},
      {Qt::Key_Left, Qt::ControlModifier, "Button2", moved(-1, 0)},
      {Qt::Key_Down, Qt::ControlModifier, "Button2", moved(0, 1)},
      {Qt::Key_Right, shiftCtrl, "Button2", moved(8, 0)},
      {Qt::Key_Up, shiftCtrl, "Button2", moved(0, -8)},
      {Qt::Key_Left, Qt::AltModifier, "Button2", start},
      {Qt::Key_A, Qt::NoModifier, "Button2", start},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(QKeySequence(c.Key | c.Modifiers).toString().toStdString());
    Button2->SetBounds(start.Left, start.Top, start.Width(), start.Height());
    Designer->AddToSelection(Button2, true);
    KeyStroke(Button2, c.Key, c.Modifiers);
    EXPECT_EQ(Selected(), c.Selected);
    EXPECT_EQ(Button2->BoundsRect(), c.Bounds);
  }
}

TEST_F(TInputFixture, MovingByKeyKeepsOnlyTheFirstItemsSiblings) {
  Designer->AddToSelection(Button1, true);
  Designer->AddToSelection(Button3, false);
  Designer->AddToSelection(Edit1, false);
  KeyStroke(Edit1, Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(Selected(), "Button1,Edit1");
  EXPECT_EQ(LastReport(), "SetSelections Button1,Edit1");
  EXPECT_EQ(Button1->Left(), 17);
  EXPECT_EQ(Edit1->Left(), 17);
  EXPECT_EQ(Button3->Left(), 10);
}

TEST_F(TInputFixture, DeleteRemovesTheSelection) {
  Click(Button1);
  KeyStroke(Edit1, Qt::Key_Delete);
  EXPECT_EQ(Form->FindComponent("Button1"), nullptr);
  EXPECT_EQ(Selected(), "Button3") << "the last control the form owns is selected next";
}

TEST_F(TInputFixture, TabWalksTheWindowedControlsWithoutWrapping) {
  // Nothing grabbed: the walk starts from the first child, Label1, which has
  // no window, so from the last control in tab order.
  KeyStroke(Form, Qt::Key_Tab);
  EXPECT_EQ(Selected(), "");
  KeyStroke(Form, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(Selected(), "Panel1");

  Designer->AddToSelection(Button1, true);
  std::vector<std::string> walk;
  for (int i = 0; i < 5; ++i) {
    KeyStroke(Form, Qt::Key_Tab);
    walk.push_back(Selected());
  }
  EXPECT_EQ(walk, (std::vector<std::string>{"Button2", "Edit1", "Panel1", "Button3", "Button3"}));

  Designer->AddToSelection(Button1, true);
  KeyStroke(Form, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(Selected(), "Button1");
}

TEST_F(TInputFixture, AGrabHandleKeepsItsMouseButNotItsKeys) {
  Click(Button1);
  TGrabHandle* corner = Designer->Grab->Handles[4];
  ASSERT_TRUE(Designer->Grab->Visible);
  MousePress(corner, {2, 2});
  EXPECT_EQ(Designer->DragState.Kind, dkSize) << "the handle's own press starts sizing";
  MouseRelease(corner, {2, 2});
  ProcessEvents();
  KeyStroke(Designer->Grab->Handles[4], Qt::Key_Tab);
  EXPECT_EQ(Selected(), "Button2");
}

TEST_F(TInputFixture, DoubleClickRunsTheComponentEditor) {
  RegisterComponentEditor(ClassOf<TEdit>(), ClassOf<TCountingEditor>());
  EditorEdits = 0;
  MouseDoubleClick(Form, {300, 250});
  EXPECT_EQ(EditorEdits, 0) << "the surface itself has nothing to edit";
  MouseDoubleClick(Edit1, {5, 5});
  EXPECT_EQ(EditorEdits, 1);
  EXPECT_EQ(Selected(), "Edit1");
}

TEST_F(TInputFixture, OnlyF11AloneReachesTheProgram) {
  std::vector<WPARAM> reached;
  TWndMethod saved = Edit1->WindowProc;
  Edit1->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_KEYDOWN) reached.push_back(m.WParam);
    saved(m);
  };
  KeyStroke(Edit1, Qt::Key_F11);
  KeyStroke(Edit1, Qt::Key_F11, Qt::ShiftModifier);
  KeyStroke(Edit1, Qt::Key_F11, Qt::ControlModifier);
  KeyStroke(Edit1, Qt::Key_F5);
  KeyStroke(Edit1, Qt::Key_Escape);
  KeyStroke(Edit1, Qt::Key_Return);
  Edit1->WindowProc = saved;
  EXPECT_EQ(reached, std::vector<WPARAM>{VK_F11});
}

TEST_F(TInputFixture, SelectComponentSelectsTheDesignComponentAndShowsWhatWasAsked) {
  Designer->SelectComponent(Button1);
  EXPECT_EQ(Selected(), "Button1");
  EXPECT_EQ(LastReport(), "InspectObject Button1");
  Designer->SelectComponent(Button1);
  EXPECT_EQ(Selected(), "Button1");

  // A control the form does not own stands for the owned one around it.
  auto* part = new TButton(nullptr);
  part->SetName("Part");
  part->SetParent(Panel1);
  Designer->SelectComponent(part);
  EXPECT_EQ(Selected(), "Panel1");
  EXPECT_EQ(LastReport(), "InspectObject Part");

  // A non-visual component without a container selects nothing.
  auto* timer = new TTimer(Form);
  timer->SetName("Timer1");
  Designer->SelectComponent(timer);
  EXPECT_EQ(Selected(), "");
  EXPECT_EQ(LastReport(), "InspectObject Timer1");

  Designer->SelectComponent(Button2);
  Designer->SelectComponent(Form);
  EXPECT_EQ(Selected(), "");
  EXPECT_EQ(LastReport(), "InspectObject Form1");
}

TEST_F(TInputFixture, SetSelectionsSelectsOneAndLeavesSeveralToTheInspector) {
  TComponentList one;
  one.Add(Button2);
  Designer->SetSelections(&one);
  EXPECT_EQ(Selected(), "Button2");
  EXPECT_EQ(LastReport(), "SetSelections Button2");

  TComponentList two;
  two.Add(Button1);
  two.Add(Edit1);
  Designer->SetSelections(&two);
  EXPECT_EQ(Selected(), "");
  EXPECT_EQ(LastReport(), "SetSelections Button1,Edit1");

  TComponentList got;
  Designer->GetSelections(&got);
  EXPECT_EQ(NamesOf(&got), "Button1,Edit1") << "the inspector's selection";

  TComponentList form;
  form.Add(Form);
  Designer->SelectComponent(Button1);
  Designer->SetSelections(&form);
  EXPECT_EQ(Selected(), "");
}

TEST_F(TInputFixture, GetSelectionsWithoutInspectorListsTheSelection) {
  Designer->Inspector = nullptr;
  Inspector.SetEditor(nullptr);
  Designer->AddToSelection(Button1, true);
  Designer->AddToSelection(Edit1, false);
  TComponentList got;
  Designer->GetSelections(&got);
  EXPECT_EQ(NamesOf(&got), "Button1,Edit1");

  TRecordingInspector empty;
  Designer->Inspector = &empty;
  TComponentList none;
  Designer->GetSelections(&none);
  EXPECT_EQ(none.Count(), 0);
  Designer->Inspector = nullptr;
}

}  // namespace
