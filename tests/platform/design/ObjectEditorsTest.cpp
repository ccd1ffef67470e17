// Editors with sub-properties (a font and its style set) and event editors
// talking to a recording designer.

#include <gtest/gtest.h>

#include "platform/controls/ModalResponder.h"

#include "platform/core/Exceptions.h"
#include "tests/platform/design/DesignTestSupport.h"

namespace {

using TNames = std::vector<std::string>;

std::vector<std::unique_ptr<TPropertyEditor>> SubEditors(TPropertyEditor& editor) {
  std::vector<std::unique_ptr<TPropertyEditor>> subs;
  editor.GetProperties([&](TPropertyEditor* e) { subs.emplace_back(e); });
  return subs;
}

std::unique_ptr<TPropertyEditor> SubEditor(TPropertyEditor& editor, const std::string& name) {
  for (auto& sub : SubEditors(editor))
    if (sub->GetName() == name) return std::move(sub);
  ADD_FAILURE() << "no sub-property " << name;
  return nullptr;
}

TEST(ClassProperty, FontShowsItsClassAndItsPropertiesAsSubProperties) {
  TTestButton button(nullptr);
  TRecordingDesigner designer;
  auto font = EditorFor({&button}, "Font", &designer);
  EXPECT_EQ(font->GetValue(), "(TFont)");
  TNames rows, editors;
  for (auto& sub : SubEditors(*font)) {
    rows.push_back(sub->GetName());
    editors.push_back(sub->ClassName());
  }
  EXPECT_EQ(rows, (TNames{"Charset", "Color", "Height", "Name", "Pitch", "Size", "Style"}));
  EXPECT_EQ(editors, (TNames{"TFontCharsetProperty", "TColorProperty", "TIntegerProperty",
                             "TFontNameProperty", "TEnumProperty", "TIntegerProperty",
                             "TSetProperty"}));
  SubEditor(*font, "Height")->SetValue("-15");
  EXPECT_EQ(button.Font()->Height(), -15);
  EXPECT_EQ(designer.ModifiedCount, 1);
}

TEST(SetProperty, ElementsAreTrueFalseSubPropertiesOfTheSet) {
  TTestButton first(nullptr), second(nullptr);
  second.Font()->SetStyle({fsUnderline});
  TRecordingDesigner designer;
  auto font = EditorFor({&first, &second}, "Font", &designer);
  auto style = SubEditor(*font, "Style");
  ASSERT_EQ(style->PropCount(), 2);
  EXPECT_EQ(style->GetValue(), "[]");
  EXPECT_FALSE(style->AllEqual());

  auto elements = SubEditors(*style);
  TNames names;
  for (auto& e : elements) names.push_back(e->GetName());
  EXPECT_EQ(names, (TNames{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}));
  elements[0]->SetValue("True");
  elements[1]->SetValue("true");
  EXPECT_EQ(style->GetValue(), "[fsBold,fsItalic]");
  EXPECT_EQ(elements[0]->GetValue(), "True");
  EXPECT_EQ(elements[3]->GetValue(), "False");
  // Each object keeps its other elements.
  EXPECT_TRUE(second.Font()->Style() == (TFontStyles{fsBold, fsItalic, fsUnderline}));
  EXPECT_FALSE(elements[2]->AllEqual());

  EXPECT_THROW(elements[0]->SetValue("Maybe"), EPropertyError);
  EXPECT_EQ(style->GetValue(), "[fsBold,fsItalic]");
  TNames values;
  elements[0]->GetValues([&](const std::string& v) { values.push_back(v); });
  EXPECT_EQ(values, (TNames{"False", "True"}));
}

TEST(FontProperty, EditCopiesTheChosenFontToEverySelectedObject) {
  TTestButton first(nullptr), second(nullptr);
  TRecordingDesigner designer;
  TModalResponder responder;
  responder.Choose({"Courier New"});
  EditorFor({&first, &second}, "Font", &designer)->Edit();
  EXPECT_EQ(responder.Pending(), 0u);
  EXPECT_EQ(first.Font()->Name(), "Courier New");
  EXPECT_EQ(second.Font()->Name(), "Courier New");
  EXPECT_EQ(designer.ModifiedCount, 1);
}

class MethodProperty : public ::testing::Test {
 protected:
  void SetUp() override {
    Form.SetName("Form1");
    Button->SetName("Button1");
    Designer.Root = &Form;
  }
  TComponent Form{nullptr};
  TTestButton* Button = new TTestButton(&Form);
  TRecordingDesigner Designer;
  std::unique_ptr<TPropertyEditor> OnClick = EditorFor({Button}, "OnClick", &Designer);
};

TEST_F(MethodProperty, TypingANewNameCreatesAndShowsTheHandler) {
  EXPECT_EQ(OnClick->GetValue(), "");
  OnClick->SetValue("OkClick");
  EXPECT_EQ(Designer.Calls, (TNames{"CreateMethod OkClick", "Modified", "ShowMethod OkClick"}));
  EXPECT_EQ(Button->OnClick.Method(), Designer.Methods["OkClick"]);
  EXPECT_EQ(OnClick->GetValue(), "OkClick");
}

TEST_F(MethodProperty, TypingAnotherNameRenamesTheHandlerAndEmptyClearsTheEvent) {
  OnClick->SetValue("OkClick");
  Designer.Calls.clear();
  OnClick->SetValue("AcceptClick");
  EXPECT_EQ(Designer.Calls, (TNames{"RenameMethod OkClick AcceptClick"}));
  EXPECT_EQ(OnClick->GetValue(), "AcceptClick");
  OnClick->SetValue("");
  EXPECT_FALSE(Button->OnClick.Assigned());
  EXPECT_THROW(OnClick->SetValue("9lives"), EPropertyError);
}

TEST_F(MethodProperty, ChoosingAnExistingHandlerPointsTheEventAtIt) {
  Designer.CreateMethod("SharedClick", nullptr);
  TNames offered;
  OnClick->GetValues([&](const std::string& name) { offered.push_back(name); });
  EXPECT_EQ(offered, (TNames{"SharedClick"}));
  Designer.Calls.clear();
  OnClick->SetValue("SharedClick");
  EXPECT_EQ(Designer.Calls, (TNames{"CreateMethod SharedClick", "Modified"}));
  EXPECT_EQ(OnClick->GetValue(), "SharedClick");
}

TEST_F(MethodProperty, EditNamesANewHandlerAfterTheComponentAndTheEvent) {
  OnClick->Edit();
  EXPECT_EQ(OnClick->GetValue(), "Button1Click");
  EXPECT_EQ(Designer.Calls.back(), "ShowMethod Button1Click");
}

}  // namespace
