#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>

#include "ControlsTestSupport.h"
#include "platform/classes/ComponentStreams.h"

namespace {

class TTestForm : public TForm {
  MORVANE_CLASS(TTestForm, TForm)

 public:
  using TForm::TForm;
  void PanelClick(TObject*) { ++Clicks; }
  void FormCreate(TObject*) { Created = true; }
  int Clicks = 0;
  bool Created = false;
  static void Publish(TPublisher<TTestForm>& p) {
    p.Method<&TTestForm::PanelClick>("PanelClick");
    p.Method<&TTestForm::FormCreate>("FormCreate");
  }
};

const char* const TestFormText = R"(object TestForm: TTestForm
  Left = 20
  Top = 30
  Width = 300
  Height = 200
  Caption = 'Read from text'
  Color = clWhite
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -13
  Font.Name = 'Tahoma'
  Font.Style = []
  OldCreateOrder = False
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 16
  object Shape1: TTestShape
    Left = 5
    Top = 6
    Width = 7
    Height = 8
    Color = clRed
  end
  object Panel1: TTestPanel
    Left = 0
    Top = 100
    Width = 292
    Height = 73
    Align = alBottom
    Caption = 'Outer'
    Color = clAqua
    TabOrder = 0
    OnClick = PanelClick
    object Panel2: TTestPanel
      Left = 10
      Top = 10
      Width = 50
      Height = 30
      Caption = 'Inner'
      TabOrder = 0
    end
  end
end
)";

struct TRegisteredTestForm {
  TRegisteredTestForm() {
    RegisterClass(TTestForm::StaticClass());
    RegisterFormResource("TTestForm", TestFormText);
  }
  ~TRegisteredTestForm() { UnregisterFormResource("TTestForm"); }
};

TEST(Forms, ReadFromTheirTextResourceWithChildrenAndEventsBound) {
  TRegisteredTestForm registered;
  auto* form = CreateForm<TTestForm>(Application);
  EXPECT_TRUE(form->Created);
  EXPECT_EQ(form->Name(), "TestForm");
  EXPECT_EQ(form->Caption(), "Read from text");
  EXPECT_EQ(form->BoundsRect(), Bounds(20, 30, 300, 200));
  EXPECT_EQ(form->Color(), clWhite);
  EXPECT_EQ(form->Font()->Name(), "Tahoma");
  auto* panel1 = ObjectAs<TTestPanel>(form->FindComponent("Panel1"));
  auto* panel2 = ObjectAs<TTestPanel>(form->FindComponent("Panel2"));
  ASSERT_TRUE(panel1 && panel2);
  EXPECT_EQ(panel2->Parent(), panel1);
  EXPECT_EQ(panel2->Owner(), form);
  EXPECT_EQ(panel2->Color(), clAqua);  // the outer panel's
  EXPECT_EQ(panel2->Font()->Name(), "Tahoma");  // through Panel1 from the form
  EXPECT_EQ(panel1->Align(), alBottom);
  EXPECT_EQ(panel1->Top() + panel1->Height(), form->ClientHeight());
  EXPECT_FALSE(form->Visible());
  form->Show();
  QApplication::processEvents();
  ClickAt(panel1, {60, 60});
  EXPECT_EQ(form->Clicks, 1);
  form->Free();
}

TEST(Forms, ABadResourceRaisesAndLeavesNoForm) {
  RegisterClass(TTestForm::StaticClass());
  RegisterFormResource("TTestForm", "object TestForm: TTestForm\n  Left = \n");
  int forms = Screen->FormCount();
  EXPECT_THROW(CreateForm<TTestForm>(Application), EParserError);
  EXPECT_EQ(Screen->FormCount(), forms);
  UnregisterFormResource("TTestForm");
}

TEST(Forms, NestedControlsStreamThroughTheFilerAndBack) {
  TRegisteredTestForm registered;
  auto* form = CreateForm<TTestForm>(nullptr);
  std::string text = ComponentToText(form);
  UnregisterFormResource("TTestForm");
  auto* copy = new TTestForm(nullptr);
  TextToComponent(text, copy);
  EXPECT_EQ(ComponentToText(copy), text);
  auto* panel2 = ObjectAs<TTestPanel>(copy->FindComponent("Panel2"));
  ASSERT_TRUE(panel2);
  EXPECT_EQ(panel2->Parent()->Name(), "Panel1");
  EXPECT_EQ(copy->Controls(0)->Name(), "Shape1");
  EXPECT_NE(text.find("OnClick = PanelClick"), std::string::npos);
  EXPECT_EQ(text.find("ParentFont"), std::string::npos);  // defaults are not written
  form->Free();
  copy->Free();
}

TEST(Forms, ShowModalAndMessageDlgAreAnsweredByTheResponder) {
  TModalResponder responder;
  auto* form = new TForm(nullptr);
  form->SetCaption("Options");
  responder.Answer(mrOk, [](TModalRequest& r) { r.Form->SetTag(42); });
  responder.Answer(mrNo);
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_EQ(form->Tag(), 42);
  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(MessageDlg("Save changes?", mtConfirmation, mbYesNoCancel, 0), mrNo);
  ASSERT_EQ(responder.Requests().size(), 2u);
  EXPECT_EQ(responder.Requests()[0].ClassName, "TForm");
  EXPECT_EQ(responder.Requests()[0].Caption, "Options");
  EXPECT_EQ(responder.Requests()[1].Text, "Save changes?");
  EXPECT_EQ(responder.Requests()[1].Caption, "Confirm");
  EXPECT_TRUE(responder.Requests()[1].Buttons == mbYesNoCancel);
  // Nothing queued: raise instead of waiting for a user.
  EXPECT_THROW(form->ShowModal(), EInvalidOperation);
  EXPECT_THROW(ShowMessage("Hi"), EInvalidOperation);
  form->Free();
}

TEST(Forms, CloseAsksOnCloseQueryAndOnCloseDecides) {
  TShownForm shown;
  bool allow = false;
  TCloseAction action = caHide;
  shown.Form->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = allow; };
  shown.Form->OnClose = [&](TObject*, TCloseAction& a) { a = action; };
  shown.Form->Close();
  EXPECT_TRUE(shown.Form->Visible());
  allow = true;
  action = caNone;
  shown.Form->Close();
  EXPECT_TRUE(shown.Form->Visible());
  action = caHide;
  shown.Form->Close();
  EXPECT_FALSE(shown.Form->Visible());
  EXPECT_FALSE(IsWindowVisible(shown.Form->Handle()));
}

TEST(Forms, CaFreeAndReleaseFreeTheFormOnlyOnceTheQueueIsHandled) {
  for (bool throughClose : {true, false}) {
    auto* form = new TForm(nullptr);
    form->Show();
    auto* panel = new TTestPanel(form);
    panel->SetParent(form);
    bool destroyed = false;
    form->OnDestroy = [&](TObject*) { destroyed = true; };
    form->OnClose = [](TObject*, TCloseAction& a) { a = caFree; };
    QPointer<QWidget> widget = WidgetOf(form);
    if (throughClose)
      SendMessage(form->Handle(), WM_CLOSE, 0, 0);  // what the close box does
    else
      form->Release();
    EXPECT_FALSE(destroyed);
    EXPECT_EQ(Screen->Forms(0), form);
    Application->ProcessMessages();
    EXPECT_TRUE(destroyed);
    EXPECT_TRUE(widget.isNull());
  }
}

TEST(Forms, UnhandledExceptionsShowAnErrorBox) {
  TModalResponder responder;
  responder.Answer(mrOk);
  TShownForm shown;
  auto* panel = new TTestPanel(shown.Form);
  panel->SetParent(shown.Form);
  panel->OnClick = [](TObject*) { throw EConvertError("'abc' is not a valid integer value"); };
  ClickAt(panel, {5, 5});  // the pump hands it to Application.HandleException
  ASSERT_EQ(responder.Requests().size(), 1u);
  EXPECT_EQ(responder.Requests()[0].Text, "'abc' is not a valid integer value.");
  EXPECT_EQ(responder.Requests()[0].DlgType, mtError);
  EXPECT_TRUE(responder.Requests()[0].Buttons == TMsgDlgButtons{mbOK});
  // EAbort is silent; OnException replaces the box.
  std::string seen;
  Application->OnException = [&](TObject*, Exception* e) { seen = e->Message(); };
  panel->OnClick = [](TObject*) { Abort(); };
  ClickAt(panel, {5, 5});
  panel->OnClick = [](TObject*) { throw EInvalidOperation("boom"); };
  ClickAt(panel, {5, 5});
  Application->OnException.Clear();
  EXPECT_EQ(seen, "boom");
  EXPECT_EQ(responder.Requests().size(), 1u);
}

TEST(Forms, ActiveControlMustBeAFocusableControlOfTheForm) {
  TShownForm shown;
  auto* panel = new TTestPanel(shown.Form);
  panel->SetParent(shown.Form);
  TForm other(nullptr);
  auto* foreign = new TTestPanel(&other);
  foreign->SetParent(&other);
  EXPECT_THROW(shown.Form->SetActiveControl(foreign), EInvalidOperation);
  shown.Form->SetActiveControl(panel);
  EXPECT_EQ(shown.Form->ActiveControl(), panel);
  panel->Free();
  EXPECT_EQ(shown.Form->ActiveControl(), nullptr);
}

}  // namespace

TEST(Forms, TheApplicationForgetsItsMainFormWhenTheFormIsFreed) {
  ASSERT_EQ(Application->MainForm(), nullptr);
  TCustomForm* form = nullptr;
  Application->CreateForm(ClassOf<TForm>(), form);
  EXPECT_EQ(Application->MainForm(), form);
  form->Free();
  EXPECT_EQ(Application->MainForm(), nullptr);
}
