#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DesignerTestSupport.h"
#include "platform/controls/stdctrls/Button.h"
#include "platform/controls/stdctrls/CustomMemo.h"
#include "platform/controls/stdctrls/Label.h"

namespace {

struct TNamingCase {
  std::vector<std::string> Taken;
  const char* Expected;
};

class UniqueNames : public ::testing::TestWithParam<TNamingCase> {};

TEST_P(UniqueNames, TakeTheFirstNumberTheOwnersComponentsLeave) {
  TComponent Owner(nullptr);
  for (const std::string& Name : GetParam().Taken) (new TComponent(&Owner))->SetName(Name);
  EXPECT_EQ(UniqueComponentName(&Owner, "Button"), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UniqueNames,
    ::testing::Values(TNamingCase{{}, "Button1"}, TNamingCase{{"Button1", "Button3"}, "Button2"},
                      TNamingCase{{"Button2"}, "Button1"}, TNamingCase{{"Button"}, "Button1"},
                      TNamingCase{{"button1"}, "Button1"},
                      TNamingCase{{"Button1", "Button2", "ButtonA3", "Button2x"}, "Button3"},
                      // A 0 or a number that two names share costs one number.
                      TNamingCase{{"Button0"}, "Button2"},
                      TNamingCase{{"Button1", "Button01"}, "Button3"},
                      TNamingCase{{"Button99999999999999999999999"}, "Button1"}));

TEST(ComponentBaseName, DropsTheLeadingTOfTheClassName) {
  EXPECT_EQ(ComponentBaseName(TButton::StaticClass()), "Button");
  EXPECT_EQ(ComponentBaseName(TObjectEditor::StaticClass()), "ObjectEditor");
}

}  // namespace
