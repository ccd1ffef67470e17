// The standard editors on real properties: values both ways, bad values that
// raise the platform's errors and change nothing, attributes and value lists.

#include <gtest/gtest.h>

#include "platform/controls/ModalResponder.h"

#include "platform/core/Exceptions.h"
#include "platform/design/DialogHooks.h"
#include "platform/rtti/IntConsts.h"
#include "tests/platform/design/DesignTestSupport.h"

namespace {

const std::vector<TIdentMapEntry> CursorNames = {
    {0, "crDefault"}, {-1, "crNone"}, {-2, "crArrow"}, {-21, "crHandPoint"}};

void RegisterMap(PTypeInfo type, const std::vector<TIdentMapEntry>& map) {
  RegisterIntegerConsts(
      type, [&map](const std::string& s, int32_t& v) { return IdentToInt(s, v, map); },
      [&map](int32_t v, std::string& s) { return IntToIdent(v, s, map); });
}

// Form1 owns Button1 and Label1; the designer designs Form1.
class StandardEditors : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterMap(TypeInfoTCursor(), CursorNames);
    Form.SetName("Form1");
    Button->SetName("Button1");
    Label->SetName("Label1");
    Designer.Root = &Form;
  }
  void TearDown() override {
    UnregisterIntegerConsts(TypeInfoTCursor());
  }
  std::unique_ptr<TPropertyEditor> Editor(const std::string& name) {
    auto editor = EditorFor({Button}, name, &Designer);
    EXPECT_NE(editor, nullptr) << name;
    return editor;
  }
  std::vector<std::string> Values(const std::string& name) {
    std::vector<std::string> values;
    Editor(name)->GetValues([&](const std::string& v) { values.push_back(v); });
    return values;
  }

  TComponent Form{nullptr};
  TTestButton* Button = new TTestButton(&Form);
  TTestLabel* Label = new TTestLabel(&Form);
  TRecordingDesigner Designer;
};

TEST_F(StandardEditors, ValuesReadBackAsTheEditorShowsThem) {
  struct TCase {
    const char* Property;
    const char* Text;
    const char* Shown;
  } cases[] = {
      {"Left", "12", "12"},           {"Left", "$1F", "31"},
      {"Width", "-5", "-5"},          {"Bytes", "5000000000", "5000000000"},
      {"Accelerator", "x", "x"},      {"Accelerator", "#9", "#9"},
      {"Align", "TALTOP", "talTop"},
      {"Enabled", "false", "False"},  {"Caption", "Hello", "Hello"},
      {"Color", "clRed", "clRed"},    {"Color", "$00123456", "$00123456"},
      {"Color", "255", "clRed"},      {"Color", "clBtnFace", "clBtnFace"},
      {"Cursor", "crHandPoint", "crHandPoint"}, {"Cursor", "-2", "crArrow"},
      {"Cursor", "7", "7"},           {"ModalResult", "mrOk", "mrOk"},
      {"Ratio", "2.5", "2.5"},        {"Started", "2024-03-09", "2024-03-09"},
      {"Started", "", ""},            {"Alarm", "07:30", "07:30:00"},
      {"Moment", "2024-03-09 14:05:30", "2024-03-09 14:05:30"},
      {"Moment", "", ""},             {"TabOrder", "3", "3"},
      {"Key", "ctrl+s", "Ctrl+S"},    {"Key", "(None)", "(None)"},
      {"Partner", "Label1", "Label1"}, {"Partner", "", ""},
      {"Name", "OkButton", "OkButton"},
  };
  for (const TCase& c : cases) {
    auto editor = Editor(c.Property);
    const int before = Designer.ModifiedCount;
    editor->SetValue(c.Text);
    EXPECT_EQ(editor->GetValue(), c.Shown) << c.Property << " := " << c.Text;
    EXPECT_EQ(Designer.ModifiedCount, before + 1) << c.Property;
  }
  EXPECT_EQ(Button->Partner, nullptr);
  EXPECT_EQ(Button->Name(), "OkButton");
}

TEST_F(StandardEditors, BadValuesRaiseThePlatformsErrorsAndChangeNothing) {
  struct TCase {
    const char* Property;
    const char* Text;
    const char* ExceptionClass;
    const char* Message;
  } cases[] = {
      {"Align", "talMiddle", "EPropertyError", "Invalid property value"},
      {"Enabled", "Maybe", "EPropertyError", "Invalid property value"},
      {"Left", "12x", "EConvertError", "'12x' is not a valid integer value"},
      {"Width", "40000", "EPropertyError", "Value must be between -32768 and 32767"},
      {"Accelerator", "ab", "EPropertyError", "Invalid property value"},
      {"Color", "reddish", "EConvertError", "'reddish' is not a valid integer value"},
      {"Ratio", "2,5", "EConvertError", "'2,5' is not a valid floating point value"},
      {"Started", "2023-02-29", "EConvertError", "'2023-02-29' is not a valid date"},
      {"Alarm", "7 pm", "EConvertError", "'7 pm' is not a valid time"},
      {"Key", "Ctrl+Foo", "EPropertyError", "Invalid property value"},
      {"Partner", "Nobody", "EPropertyError", "Invalid property value"},
      {"Name", "Label1", "EComponentError", "A component named Label1 already exists"},
      {"Name", "1abc", "EComponentError", "'1abc' is not a valid component name"},
  };
  for (const TCase& c : cases) {
    auto editor = Editor(c.Property);
    const std::string before = editor->GetValue();
    const int modified = Designer.ModifiedCount;
    try {
      editor->SetValue(c.Text);
      ADD_FAILURE() << c.Property << " took " << c.Text;
    } catch (const Exception& e) {
      EXPECT_STREQ(e.ClassName(), c.ExceptionClass) << c.Property << " := " << c.Text;
      EXPECT_EQ(e.Message(), c.Message) << c.Property << " := " << c.Text;
    }
    EXPECT_EQ(editor->GetValue(), before) << c.Property;
    EXPECT_EQ(Designer.ModifiedCount, modified) << c.Property;
  }
}

TEST_F(StandardEditors, AttributesTellTheInspectorHowToEdit) {
  struct TCase {
    const char* Property;
    TPropertyAttributes Attributes;
  } cases[] = {
      {"Left", {paMultiSelect, paRevertable}},
      {"Align", {paMultiSelect, paValueList, paSortList, paRevertable}},
      {"Caption", {paMultiSelect, paAutoUpdate, paRevertable}},
      {"Name", {paRevertable}},
      {"TabOrder", {}},
      {"Color", {paMultiSelect, paDialog, paValueList, paRevertable}},
      {"Cursor", {paMultiSelect, paValueList, paSortList, paRevertable}},
      {"Font", {paMultiSelect, paSubProperties, paReadOnly, paDialog}},
      {"Partner", {paMultiSelect, paValueList, paSortList, paRevertable}},
  };
  for (const TCase& c : cases)
    EXPECT_TRUE(Editor(c.Property)->GetAttributes() == c.Attributes) << c.Property;
}

TEST_F(StandardEditors, ValueListsComeFromTypesMapsAndTheDesigner) {
  using TNames = std::vector<std::string>;
  EXPECT_EQ(Values("Align"), (TNames{"talNone", "talTop", "talBottom", "talLeft", "talRight", "talClient"}));
  EXPECT_EQ(Values("Enabled"), (TNames{"False", "True"}));
  EXPECT_EQ(Values("Cursor"), (TNames{"crDefault", "crNone", "crArrow", "crHandPoint"}));
  // The editor names modal results itself: they stream as numbers.
  EXPECT_EQ(Values("ModalResult"), (TNames{"mrNone", "mrOk", "mrCancel", "mrAbort", "mrRetry", "mrIgnore",
                                           "mrYes", "mrNo", "mrAll", "mrNoToAll", "mrYesToAll"}));
  EXPECT_EQ(Values("Partner"), (TNames{"Button1", "Label1"}));
  const TNames colors = Values("Color");
  ASSERT_GE(colors.size(), 16u);
  EXPECT_EQ(colors.front(), "clBlack");
  const TNames keys = Values("Key");
  ASSERT_GE(keys.size(), 2u);
  EXPECT_EQ(keys[0], "(None)");
  EXPECT_EQ(keys[1], "Ctrl+A");
}

TEST_F(StandardEditors, EditStepsThroughTheValueListAndRevertAsksTheDesigner) {
  auto align = Editor("Align");
  align->SetValue("talClient");
  align->Edit();
  EXPECT_EQ(align->GetValue(), "talNone");
  align->Revert();
  EXPECT_EQ(Designer.Calls.back(), "Revert Align");
}

TEST_F(StandardEditors, ColorEditOpensTheColorDialogAndKeepsTheValueOnCancel) {
  auto color = Editor("Color");
  TModalResponder responder;
  responder.Answer(mrCancel);
  color->Edit();
  EXPECT_EQ(color->GetValue(), "clBtnFace");
  responder.Choose({"clNavy"});
  color->Edit();
  EXPECT_EQ(color->GetValue(), "clNavy");
  ASSERT_EQ(responder.Requests().size(), 2u);
  EXPECT_EQ(responder.Requests()[0].ClassName, "TColorDialog");
}

}  // namespace
