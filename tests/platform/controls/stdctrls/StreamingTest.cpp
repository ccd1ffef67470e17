#include <gtest/gtest.h>

#include <QApplication>

#include "StdCtrlsTestSupport.h"
#include "platform/classes/ComponentStreams.h"
#include "platform/core/Streams.h"
#include "platform/graphics/QtGraphics.h"

namespace {

// One configured instance of every standard control, with values away from
// the defaults so that each property is written.
const char* const kFormText = R"(object StdForm: TForm
  Left = 0
  Top = 0
  Width = 420
  Height = 360
  Caption = 'Standard controls'
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  PixelsPerInch = 96
  TextHeight = 13
  object Label1: TLabel
    Left = 100
    Top = 145
    Width = 60
    Height = 13
    Alignment = taCenter
    AutoSize = False
    Caption = '&Name'
    FocusControl = Edit1
    Layout = tlCenter
    Transparent = True
    WordWrap = True
  end
  object Edit1: TEdit
    Left = 8
    Top = 8
    Width = 121
    Height = 21
    CharCase = ecUpperCase
    MaxLength = 10
    PasswordChar = '*'
    ReadOnly = True
    TabOrder = 0
    Text = 'SECRET'
  end
  object Memo1: TMemo
    Left = 8
    Top = 40
    Width = 185
    Height = 89
    Alignment = taCenter
    Lines.Strings = (
      'first line'
      'second line')
    ScrollBars = ssBoth
    TabOrder = 1
    WantReturns = False
    WantTabs = True
    WordWrap = False
  end
  object Button1: TButton
    Left = 8
    Top = 140
    Width = 75
    Height = 25
    Cancel = True
    Caption = '&OK'
    Default = True
    ModalResult = 1
    TabOrder = 2
  end
  object CheckBox1: TCheckBox
    Left = 200
    Top = 8
    Width = 97
    Height = 17
    Alignment = taLeftJustify
    AllowGrayed = True
    Caption = 'Check'
    TabOrder = 3
    State = cbGrayed
  end
  object RadioButton1: TRadioButton
    Left = 200
    Top = 30
    Width = 113
    Height = 17
    Caption = 'Radio'
    TabOrder = 4
    Checked = True
    TabStop = True
  end
  object ListBox1: TListBox
    Left = 200
    Top = 56
    Width = 121
    Height = 60
    DragMode = dmAutomatic
    ItemHeight = 16
    Items.Strings = (
      'alpha'
      'beta')
    MultiSelect = True
    Sorted = True
    Style = lbOwnerDrawFixed
    TabOrder = 5
  end
  object ComboBox1: TComboBox
    Left = 200
    Top = 124
    Width = 145
    Height = 21
    Style = csDropDownList
    DropDownCount = 12
    ItemHeight = 13
    ItemIndex = 1
    Items.Strings = (
      'first'
      'second')
    TabOrder = 6
    Text = 'second'
  end
  object ScrollBar1: TScrollBar
    Left = 8
    Top = 300
    Width = 200
    Height = 17
    LargeChange = 10
    Max = 50
    PageSize = 5
    Position = 20
    TabOrder = 7
  end
  object GroupBox1: TGroupBox
    Left = 8
    Top = 180
    Width = 185
    Height = 105
    Caption = 'Group'
    TabOrder = 8
    object Edit2: TEdit
      Left = 16
      Top = 24
      Width = 121
      Height = 21
      TabOrder = 0
      Text = 'inside'
    end
  end
  object RadioGroup1: TRadioGroup
    Left = 200
    Top = 180
    Width = 185
    Height = 105
    Caption = 'Choice'
    TabOrder = 9
    Columns = 2
    ItemIndex = 2
    Items.Strings = (
      'a'
      'b'
      'c')
  end
end
)";

class StreamingTest : public ::testing::Test {
 protected:
  void SetUp() override { StartStdCtrls(); }
};

std::vector<uint8_t> Binary(TComponent* component) {
  TMemoryStream stream;
  WriteComponent(stream, component);
  const auto* bytes = static_cast<const uint8_t*>(stream.Memory());
  return {bytes, bytes + stream.Size()};
}

TEST_F(StreamingTest, EveryControlStreamsThroughTextAndBinaryUnchanged) {
  auto* form = new TForm(nullptr);
  TextToComponent(kFormText, form);
  EXPECT_EQ(ComponentToText(form), kFormText);

  std::vector<uint8_t> bytes = Binary(form);
  auto* copy = new TForm(nullptr);
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  stream.SetPosition(0);
  ReadComponent(stream, copy);
  EXPECT_EQ(Binary(copy), bytes);
  EXPECT_EQ(ComponentToText(copy), kFormText);

  auto* group = ObjectAs<TRadioGroup>(copy->FindComponent("RadioGroup1"));
  ASSERT_TRUE(group);
  EXPECT_TRUE(group->Buttons(2)->Checked());
  EXPECT_EQ(ObjectAs<TComboBox>(copy->FindComponent("ComboBox1"))->Text(), "second");
  auto* memo = ObjectAs<TMemo>(copy->FindComponent("Memo1"));
  ASSERT_TRUE(memo);
  EXPECT_EQ(memo->Lines()->Count(), 2);
  EXPECT_EQ(memo->Lines()->Strings(1), "second line");
  form->Free();
  copy->Free();
}

TEST_F(StreamingTest, DefaultsAreNotWritten) {
  auto* form = new TForm(nullptr);
  for (TControl* control : std::initializer_list<TControl*>{
           new TEdit(form), new TMemo(form), new TButton(form), new TCheckBox(form), new TRadioButton(form),
           new TListBox(form), new TComboBox(form), new TScrollBar(form), new TGroupBox(form),
           new TRadioGroup(form), new TLabel(form)}) {
    control->SetParent(form);
    std::string text = ComponentToText(control);
    for (const char* name : {"AutoSelect", "AutoSize", "BorderStyle", "CharCase", "MaxLength", "ReadOnly",
                             "ScrollBars", "WordWrap", "WantReturns", "Default", "Cancel", "ModalResult",
                             "TabStop", "ParentColor", "Color", "State", "Checked", "AllowGrayed", "Alignment", "Style",
                             "DragMode", "Sorted", "MultiSelect", "IntegralHeight", "ItemIndex", "DropDownCount",
                             "Kind", "Max", "Min", "Position", "Columns", "Layout", "Transparent",
                             "ShowAccelChar"})
      EXPECT_EQ(text.find(name), std::string::npos) << control->ClassName() << " writes " << name;
  }
  form->Free();
}

// Each control is a real widget: a grab of the form shows its pixels where
// the form's own colour would be.
TEST_F(StreamingTest, ControlsShowOnTheForm) {
  auto* form = new TForm(nullptr);
  TextToComponent(kFormText, form);
  form->Show();
  QApplication::processEvents();
  QImage image = Snapshot(form);
  TColor face = QColorToColor(ColorToQColor(clBtnFace));
  for (int i = 0; i < form->ControlCount(); ++i) {
    TControl* control = form->Controls(i);
    SCOPED_TRACE(control->Name());
    int differing = 0;
    for (int x = control->Left(); x < control->Left() + control->Width(); ++x)
      for (int y = control->Top(); y < control->Top() + control->Height(); ++y)
        if (PixelAt(image, x, y) != face) ++differing;
    EXPECT_GT(differing, control->Width()) << "nothing of the control is painted";
  }
  form->Free();
}

}  // namespace
