// The contract on the platform's own controls: a button's rows, and the
// cursor names the controls layer registers.

#include <algorithm>

#include <gtest/gtest.h>

#include <QApplication>

#include "platform/controls/ControlsUnit.h"
#include "platform/controls/stdctrls/Button.h"
#include "platform/controls/stdctrls/StdCtrlsUnit.h"
#include "tests/platform/design/DesignTestSupport.h"

namespace {

class ButtonEditors : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "test_platform_design";
    static char* argv[] = {name, nullptr};
    App = new QApplication(argc, argv);
    InitializeStdCtrls();
  }
  static void TearDownTestSuite() {
    FinalizeControls();
    delete App;
  }
  static inline QApplication* App = nullptr;
};

TEST_F(ButtonEditors, AButtonsRowsGetTheEditorsOfTheirTypes) {
  TButton button(nullptr);
  TRecordingDesigner designer;
  struct TRow {
    const char* Property;
    const char* Editor;
  } rows[] = {{"Name", "TComponentNameProperty"}, {"Caption", "TCaptionProperty"},
              {"Cursor", "TCursorProperty"},       {"Font", "TFontProperty"},
              {"ModalResult", "TModalResultProperty"}, {"TabOrder", "TTabOrderProperty"},
              {"Left", "TIntegerProperty"},        {"OnClick", "TMethodProperty"}};
  for (const TRow& row : rows) {
    auto editor = EditorFor({&button}, row.Property, &designer);
    ASSERT_NE(editor, nullptr) << row.Property;
    EXPECT_EQ(editor->ClassName(), row.Editor) << row.Property;
  }
}

TEST_F(ButtonEditors, CursorNamesComeFromTheControlsLayer) {
  TButton button(nullptr);
  TRecordingDesigner designer;
  auto cursor = EditorFor({&button}, "Cursor", &designer);
  EXPECT_EQ(cursor->GetValue(), "crDefault");
  cursor->SetValue("crHandPoint");
  EXPECT_EQ(button.Cursor(), crHandPoint);
  std::vector<std::string> names;
  cursor->GetValues([&](const std::string& name) { names.push_back(name); });
  ASSERT_FALSE(names.empty());
  EXPECT_EQ(names.front(), "crDefault");
  EXPECT_NE(std::find(names.begin(), names.end(), "crHandPoint"), names.end());
}

}  // namespace
