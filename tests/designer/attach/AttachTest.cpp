// Attaching a designer to a live form, the thread hooks that take its input,
// the grid it paints and the designer's end when its window goes.

#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include "DesignerTestSupport.h"
#include "platform/controls/extctrls/Panel.h"
#include "platform/controls/stdctrls/Button.h"
#include "platform/controls/stdctrls/Edit.h"
#include "platform/windows/QtWindows.h"

namespace {

// A button and an edit that count what reaches them.
struct TAttachFixture : ::testing::Test {
  TDesignedForm Designed;
  TForm* Form = Designed.Form;
  TButton* Button = AddControl<TButton>(Form, Form, "Button1", 16, 16, 80, 24);
  TEdit* Edit = AddControl<TEdit>(Form, Form, "Edit1", 16, 64, 120, 24);
  int Clicks = 0;
  std::vector<WORD> KeysDown;
  std::vector<WORD> KeysUp;

  TAttachFixture() {
    Button->OnClick = [this](TObject*) { ++Clicks; };
    Edit->OnKeyDown = [this](TObject*, WORD& key, TShiftState) { KeysDown.push_back(key); };
    Edit->OnKeyUp = [this](TObject*, WORD& key, TShiftState) { KeysUp.push_back(key); };
    ProcessEvents();
  }
  void ClickButton() {
    MousePress(Button, {10, 10});
    MouseRelease(Button, {10, 10});
    ProcessEvents();
  }
};

// Frees a designer made without FreeOnDetach at the end of a test.
struct TOwnedDesigner {
  TObjectEditor* Designer = new TObjectEditor;
  ~TOwnedDesigner() {
    if (Designer) Designer->Free();
  }
};

TEST_F(TAttachFixture, DetachingGivesTheControlsTheirOwnHandlingBack) {
  TOwnedDesigner owned;
  owned.Designer->SetEditControl(Form);
  EXPECT_TRUE(Form->ComponentState().Contains(csDesigning));
  EXPECT_TRUE(Button->ComponentState().Contains(csDesigning));
  EXPECT_EQ(Form->Designer(), owned.Designer);
  EXPECT_EQ(owned.Designer->Form, Form);
  ClickButton();
  EXPECT_EQ(Clicks, 0) << "a designer press is eaten";

  owned.Designer->SetEditControl(nullptr);
  EXPECT_FALSE(Form->ComponentState().Contains(csDesigning));
  EXPECT_EQ(Form->Designer(), nullptr);
  EXPECT_EQ(ActiveDesigner(), nullptr);
  ClickButton();
  EXPECT_EQ(Clicks, 1);
  KeyStroke(Edit, Qt::Key_A);
  EXPECT_EQ(KeysDown, std::vector<WORD>{'A'});
  EXPECT_EQ(KeysUp, std::vector<WORD>{'A'});
}

TEST_F(TAttachFixture, InvisibleControlsShowOnlyWhileDesigned) {
  auto* hidden = AddControl<TPanel>(Form, Form, "Hidden", 200, 16, 100, 60);
  hidden->SetVisible(false);
  ProcessEvents();
  TObjectEditor* designer = CreateDesigner(Form, nullptr);
  EXPECT_TRUE(IsWindowVisible(hidden->Handle()));
  EXPECT_FALSE(hidden->Visible());
  designer->SetEditControl(nullptr);
  EXPECT_FALSE(IsWindowVisible(hidden->Handle()));
}

TEST_F(TAttachFixture, AttachingReportsToTheInspectorAndTwiceIsNothing) {
  TRecordingInspector inspector;
  TOwnedDesigner owned;
  owned.Designer->Inspector = &inspector;
  owned.Designer->SetEditControl(Form);
  EXPECT_EQ(inspector.Calls,
            (std::vector<std::string>{"ClearSelection", "SetRoot Form1", "SetEditor <set>"}));
  EXPECT_EQ(inspector.Editor, owned.Designer);
  EXPECT_EQ(ActiveDesigner(), owned.Designer);
  EXPECT_EQ(*ActiveDesignerRef, owned.Designer);

  inspector.ClearCalls();
  owned.Designer->SetEditControl(Form);
  EXPECT_TRUE(inspector.Calls.empty());

  owned.Designer->SetEditControl(nullptr);
  EXPECT_EQ(inspector.Calls,
            (std::vector<std::string>{"ClearSelection", "SetRoot <null>", "SetEditor <null>"}));
  EXPECT_EQ(*ActiveDesignerRef, nullptr);
}

TEST_F(TAttachFixture, AControlAlreadyDesignedLeavesTheNewDesignerDetached) {
  EXPECT_EQ(CreateDesigner(nullptr, nullptr), nullptr);
  TObjectEditor* first = CreateDesigner(Form, nullptr);
  ASSERT_NE(first, nullptr);
  bool secondFreed = false;
  auto* second = new TObjectEditor;
  second->FreeOnDetach = true;
  second->OnDestroy = [&](TObject*) { secondFreed = true; };
  second->SetEditControl(Form);
  EXPECT_TRUE(secondFreed);
  EXPECT_EQ(ActiveDesigner(), first);
  EXPECT_EQ(Form->Designer(), first);
  EXPECT_EQ(CreateDesigner(Form, nullptr), nullptr);
  EXPECT_EQ(AllDesigners, std::vector<TObjectEditor*>{first});
  first->SetEditControl(nullptr);  // frees it
  EXPECT_TRUE(AllDesigners.empty());
}

TEST_F(TAttachFixture, KeyAndRightButtonReleasesNeverReachTheForm) {
  bool rightUp = false;
  Form->OnMouseUp = [&](TObject*, TMouseButton button, TShiftState, int32_t, int32_t) {
    rightUp = rightUp || button == mbRight;
  };
  TObjectEditor* designer = CreateDesigner(Form, nullptr);
  KeyStroke(Edit, Qt::Key_A);
  MousePress(Form, {300, 200}, Qt::NoModifier, Qt::RightButton);
  MouseRelease(Form, {300, 200}, Qt::NoModifier, Qt::RightButton);
  EXPECT_TRUE(KeysDown.empty());
  EXPECT_TRUE(KeysUp.empty());
  EXPECT_FALSE(rightUp);

  designer->SetEditControl(nullptr);
  MousePress(Form, {300, 200}, Qt::NoModifier, Qt::RightButton);
  MouseRelease(Form, {300, 200}, Qt::NoModifier, Qt::RightButton);
  EXPECT_TRUE(rightUp) << "the same input reaches the form without a designer";
}

TEST_F(TAttachFixture, InputPassesWhileAMenuLoopRuns) {
  TObjectEditor* designer = CreateDesigner(Form, nullptr);
  SendMessage(Form->Handle(), WM_ENTERMENULOOP, 0, 0);
  EXPECT_TRUE(InModalLoop);
  ClickButton();
  EXPECT_EQ(Clicks, 1);
  SendMessage(Form->Handle(), WM_EXITMENULOOP, 0, 0);
  EXPECT_FALSE(InModalLoop);
  ClickButton();
  EXPECT_EQ(Clicks, 1);
  designer->SetEditControl(nullptr);
}

TEST_F(TAttachFixture, MovingOrSizingTheEditedFormIsAChange) {
  TObjectEditor* designer = CreateDesigner(Form, nullptr);
  SetWindowPos(Form->Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_FALSE(designer->IsModified);
  Form->SetBounds(Form->Left() + 8, Form->Top(), Form->Width(), Form->Height());
  EXPECT_TRUE(designer->IsModified);
  designer->SetEditControl(nullptr);
}

// The dots keep to the scrolled client area: each sits where x + the
// horizontal scroll position is a multiple of GridX, and likewise for y.
// The window in whose client area a control's bounds count.
TEST(AttachDesignWindow, IsTheNearestWindowTheFormOwns) {
  TDesignedForm designed;
  TForm* form = designed.Form;
  auto* panel = AddControl<TPanel>(form, form, "Panel1", 8, 8, 200, 150);
  auto* inPanel = AddControl<TButton>(form, panel, "Button1", 8, 8, 80, 24);
  auto* part = new TPanel(panel);  // a part the form does not own
  part->SetParent(panel);
  auto* inPart = AddControl<TButton>(form, part, "Button2", 4, 4, 40, 20);
  TPanel loose(nullptr);
  loose.SetParentWindow(panel->Handle());
  EXPECT_EQ(DesignWindowOf(panel), form->Handle());
  EXPECT_EQ(DesignWindowOf(inPanel), panel->Handle());
  EXPECT_EQ(DesignWindowOf(inPart), panel->Handle());
  EXPECT_EQ(DesignWindowOf(&loose), panel->Handle());
  EXPECT_EQ(DesignWindowOf(form), nullptr);
  EXPECT_EQ(DesignWindowOf(nullptr), nullptr);
}

TEST(AttachGrid, DotsSitOnTheGridOfTheScrolledClientArea) {
  struct TCase {
    int32_t ScrollX, ScrollY;
  };
  for (TCase c : {TCase{0, 0}, TCase{5, 3}}) {
    SCOPED_TRACE(c.ScrollX);
    TDesignedForm designed(160, 120);
    TForm* form = designed.Form;
    form->SetColor(clWhite);
    if (c.ScrollX || c.ScrollY) {
      form->HorzScrollBar()->SetRange(600);
      form->VertScrollBar()->SetRange(500);
      form->HorzScrollBar()->SetPosition(c.ScrollX);
      form->VertScrollBar()->SetPosition(c.ScrollY);
    }
    TObjectEditor* designer = CreateDesigner(form, nullptr);
    designer->GridX = 8;
    designer->GridY = 6;
    ProcessEvents();
    ASSERT_EQ(GetScrollPos(form->Handle(), SB_HORZ), c.ScrollX);
    ASSERT_EQ(GetScrollPos(form->Handle(), SB_VERT), c.ScrollY);
    QWidget* widget = WindowWidget(form->Handle());
    QImage image = widget->grab().toImage();
    const QRgb gray = qRgb(128, 128, 128);
    // The client area starts where the frame ends in the grabbed image.
    TPoint origin = form->ClientOrigin();
    QPoint offset = widget->mapFromGlobal(QPoint(origin.X, origin.Y));
    for (int y = 0; y < form->ClientHeight(); ++y) {
      for (int x = 0; x < form->ClientWidth(); ++x) {
        const bool dot = (x + c.ScrollX) % 8 == 0 && (y + c.ScrollY) % 6 == 0;
        ASSERT_EQ(image.pixel(offset + QPoint(x, y)) == gray, dot) << x << "," << y;
      }
    }
    designer->SetEditControl(nullptr);
  }
}

// A designer whose KeyDown raises, to show what the hooks do with errors.
class TFailingDesigner : public TObjectEditor {
 public:
  void KeyDown(MSG& Msg) override {
    Msg.message = WM_NULL;
    throw Exception("Cannot do that here");
  }
};

TEST_F(TAttachFixture, AnErrorInAHookedHandlerIsShownAndInputGoesOn) {
  auto* designer = new TFailingDesigner;
  designer->FreeOnDetach = true;
  designer->SetEditControl(Form);
  TModalResponder responder;
  responder.Answer(mrOk);
  responder.Answer(mrOk);
  KeyStroke(Edit, Qt::Key_A);
  KeyStroke(Edit, Qt::Key_B);
  ASSERT_EQ(responder.Requests().size(), 2u);
  EXPECT_EQ(responder.Requests()[0].Text, "Cannot do that here");
  EXPECT_EQ(responder.Requests()[0].DlgType, mtError);
  EXPECT_EQ(responder.Requests()[0].Buttons, TMsgDlgButtons{mbOK});
  EXPECT_EQ(responder.Requests()[0].HelpCtx, 0);
  EXPECT_TRUE(KeysDown.empty());
  designer->SetEditControl(nullptr);
}

TEST(AttachLifetime, ADesignerWhoseFormIsFreedGoesWithItAndLeavesNothingBehind) {
  TRecordingInspector inspector;
  TDesignedForm designed;
  TObjectEditor* designer = CreateDesigner(designed.Form, &inspector);
  bool freed = false;
  designer->OnDestroy = [&](TObject*) { freed = true; };
  designed.Form->Free();
  designed.Form = nullptr;
  EXPECT_FALSE(freed) << "freed when its posted message comes out of the queue";
  EXPECT_EQ(ActiveDesigner(), nullptr);
  EXPECT_EQ(inspector.Editor, nullptr);
  ProcessEvents();
  EXPECT_TRUE(freed);
  EXPECT_TRUE(AllDesigners.empty());
}

TEST(AttachLifetime, ADesignerWhoseFormGetsANewWindowLetsTheFormGo) {
  TRecordingInspector inspector;
  TDesignedForm designed;
  auto* button = AddControl<TButton>(designed.Form, designed.Form, "Button1", 8, 8, 80, 24);
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  TObjectEditor* designer = CreateDesigner(designed.Form, &inspector);
  designer->AddToSelection(button, true);
  bool freed = false;
  designer->OnDestroy = [&](TObject*) { freed = true; };
  designed.Form->RecreateWnd();
  designed.Form->Show();
  ProcessEvents();
  EXPECT_TRUE(freed);
  EXPECT_EQ(designed.Form->Designer(), nullptr);
  EXPECT_FALSE(designed.Form->ComponentState().Contains(csDesigning));
  EXPECT_EQ(inspector.Editor, nullptr);
  MousePress(button, {10, 10});
  MouseRelease(button, {10, 10});
  ProcessEvents();
  EXPECT_EQ(clicks, 1) << "the form and its button handle their own input again";
}

TEST(AttachLifetime, ADesignerOfAPanelGoesWithTheFormAroundIt) {
  TRecordingInspector inspector;
  TDesignedForm designed;
  auto* panel = AddControl<TPanel>(designed.Form, designed.Form, "Panel1", 8, 8, 200, 150);
  auto* button = AddControl<TButton>(designed.Form, panel, "Button1", 8, 8, 80, 24);
  ProcessEvents();
  TObjectEditor* designer = CreateDesigner(panel, &inspector);
  EXPECT_EQ(designer->Form, designed.Form);
  EXPECT_EQ(DesignWindowOf(button), panel->Handle());
  MousePress(button, {5, 5});
  MouseRelease(button, {5, 5});
  EXPECT_EQ(designer->Selection, std::vector<TControl*>{button});
  bool freed = false;
  designer->OnDestroy = [&](TObject*) { freed = true; };
  designed.Form->Free();
  designed.Form = nullptr;
  ProcessEvents();
  EXPECT_TRUE(freed);
  EXPECT_EQ(ActiveDesigner(), nullptr);
}

TEST(AttachLifetime, ClosingAFormReleasesItOrHidesIt) {
  TDesignedForm kept;
  TObjectEditor* keeper = CreateDesigner(kept.Form, nullptr);
  keeper->FreeOnDetach = false;
  WindowWidget(kept.Form->Handle())->close();  // as the title bar closes it
  ProcessEvents();
  EXPECT_FALSE(IsWindowVisible(kept.Form->Handle()));
  EXPECT_EQ(keeper->EditControl, kept.Form);

  TDesignedForm released;
  TObjectEditor* designer = CreateDesigner(released.Form, nullptr);
  bool freed = false;
  designer->OnDestroy = [&](TObject*) { freed = true; };
  TForm* form = released.Form;
  bool formFreed = false;
  form->OnDestroy = [&](TObject*) { formFreed = true; };
  released.Form = nullptr;
  WindowWidget(form->Handle())->close();
  ProcessEvents();
  EXPECT_TRUE(formFreed);
  EXPECT_TRUE(freed);
  keeper->Free();
}

TEST(AttachLifetime, ShutDownFreesTheDesignersStillAliveLastFirst) {
  std::vector<int> freed;
  for (int i = 1; i <= 2; ++i) {
    auto* designer = new TObjectEditor;
    designer->OnDestroy = [&freed, i](TObject*) { freed.push_back(i); };
  }
  FinalizeObjEdit();
  EXPECT_EQ(freed, (std::vector<int>{2, 1}));
  EXPECT_EQ(ActiveDesignerRef, nullptr);
  InitializeObjEdit();
}

TEST_F(TAttachFixture, CancelModeToTheSurfaceCancelsADrag) {
  TObjectEditor* designer = CreateDesigner(Form, nullptr);
  MousePress(Button, {10, 10});
  EXPECT_EQ(designer->DragState.Kind, dkMove);
  SendMessage(Form->Handle(), WM_CANCELMODE, 0, 0);
  EXPECT_EQ(designer->DragState.Kind, dkNone);
  MouseRelease(Button, {10, 10});
  designer->SetEditControl(nullptr);
}

TEST(AttachActivation, ActivatingAnotherDesignedFormMovesTheDesignerAndTheClassToPlace) {
  TRecordingInspector inspector;
  TDesignedForm first;
  TDesignedForm second;
  second.Form->SetName("Form2");
  TObjectEditor* firstDesigner = CreateDesigner(first.Form, &inspector);
  TObjectEditor* secondDesigner = CreateDesigner(second.Form, &inspector);
  EXPECT_EQ(ActiveDesigner(), secondDesigner);
  TPanel palette(nullptr);
  secondDesigner->InsertClass = TButton::StaticClass();
  secondDesigner->InsertNotify = &palette;
  std::vector<TObjectEditor*> changes;
  OnActiveDesignerChange = [&](TObjectEditor* designer) { changes.push_back(designer); };
  inspector.ClearCalls();

  SendMessage(first.Form->Handle(), WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 0), 0);
  OnActiveDesignerChange.Clear();
  EXPECT_EQ(ActiveDesigner(), firstDesigner);
  EXPECT_EQ(inspector.Calls, (std::vector<std::string>{"SetEditor <null>", "SetEditor <set>"}));
  EXPECT_EQ(inspector.Editor, firstDesigner);
  EXPECT_EQ(changes, std::vector<TObjectEditor*>{firstDesigner});
  EXPECT_EQ(secondDesigner->InsertClass, nullptr);
  EXPECT_EQ(firstDesigner->InsertClass, TButton::StaticClass());
  EXPECT_EQ(firstDesigner->InsertNotify, &palette);
  firstDesigner->InsertClass = nullptr;
  firstDesigner->InsertNotify = nullptr;
}

}  // namespace
