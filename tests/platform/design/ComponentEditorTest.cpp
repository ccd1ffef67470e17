// Component editors, the registration procedures and the service objects'
// reference counting.

#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/design/ComponentEditor.h"
#include "platform/design/ComponentRegistration.h"
#include "platform/design/ToolInterface.h"
#include "tests/platform/design/DesignTestSupport.h"

namespace {

using TNames = std::vector<std::string>;

TNames Log;

class TLabelEditor : public TComponentEditor {
  MORVANE_CLASS(TLabelEditor, TComponentEditor)
 public:
  int32_t GetVerbCount() override { return 2; }
  std::string GetVerb(int32_t index) override { return index == 0 ? "Align &Left" : "Align &Right"; }
  void ExecuteVerb(int32_t index) override { Log.push_back(Component()->Name() + " " + GetVerb(index)); }
};

class TLaterLabelEditor : public TLabelEditor {
  MORVANE_CLASS(TLaterLabelEditor, TLabelEditor)
};

TEST(ComponentEditor, TheClosestAndLatestRegistrationWinsAndEditRunsTheFirstVerb) {
  RegisterComponentEditor(ClassOf<TTestLabel>(), ClassOf<TLabelEditor>());
  RegisterComponentEditor(ClassOf<TTestLabel>(), ClassOf<TLaterLabelEditor>());
  TComponent form(nullptr);
  auto* label = new TTestLabel(&form);
  label->SetName("Label1");
  TRecordingDesigner designer;
  std::unique_ptr<TComponentEditor> editor(GetComponentEditor(label, &designer));
  EXPECT_EQ(editor->ClassName(), "TLaterLabelEditor");
  EXPECT_EQ(editor->Designer(), &designer);
  Log.clear();
  editor->Edit();
  EXPECT_EQ(Log, (TNames{"Label1 Align &Left"}));

  TTestButton button(nullptr);
  std::unique_ptr<TComponentEditor> fallback(GetComponentEditor(&button, &designer));
  EXPECT_EQ(fallback->ClassName(), "TDefaultEditor");
  EXPECT_EQ(fallback->GetVerbCount(), 0);
}

TEST(DefaultEditor, EditCreatesTheHandlerOfThePreferredEvent) {
  TComponent form(nullptr);
  form.SetName("Form1");
  auto* button = new TTestButton(&form);
  button->SetName("Button1");
  TRecordingDesigner designer;
  designer.Root = &form;
  std::unique_ptr<TComponentEditor> editor(GetComponentEditor(button, &designer));
  editor->Edit();
  // OnChange comes before OnClick in the order of preference.
  EXPECT_EQ(designer.Calls.back(), "ShowMethod Button1Change");
  EXPECT_TRUE(button->OnChange.Assigned());
  EXPECT_FALSE(button->OnClick.Assigned());
}

TEST(ComponentRegistration, ProceduresReachTheirVariablesOrRaiseWhenUnassigned) {
  EXPECT_THROW(RegisterComponents("Standard", {ClassOf<TTestButton>()}), EComponentError);
  EXPECT_THROW(RegisterNoIcon({ClassOf<TTestButton>()}), EComponentError);
  EXPECT_THROW(RegisterNonActiveX({ClassOf<TTestButton>()}, axrComponentOnly), EComponentError);

  TNames calls;
  RegisterComponentsProc = [&](const std::string& page, const TComponentClasses& classes) {
    for (TComponentClass c : classes) calls.push_back(page + ":" + c->ClassName());
  };
  RegisterNoIconProc = [&](const TComponentClasses& classes) {
    calls.push_back("NoIcon:" + classes.at(0)->ClassName());
  };
  RegisterComponents("Standard", {ClassOf<TTestButton>(), ClassOf<TTestLabel>()});
  RegisterNoIcon({ClassOf<TTestLabel>()});
  RegisterComponentsProc = nullptr;
  RegisterNoIconProc = nullptr;
  EXPECT_EQ(calls, (TNames{"Standard:TTestButton", "Standard:TTestLabel", "NoIcon:TTestLabel"}));
}

class TCountedService : public TInterface {
  MORVANE_CLASS(TCountedService, TInterface)
 public:
  explicit TCountedService(bool* freed = nullptr) : FFreed(freed) {}
  ~TCountedService() override {
    if (FFreed) *FFreed = true;
  }
 private:
  bool* FFreed;
};

TEST(TInterface, FreeReleasesOneReferenceAndTheLastOneFreesTheObject) {
  bool freed = false;
  auto* service = new TCountedService(&freed);
  EXPECT_EQ(service->AddRef(), 2);
  service->Free();
  EXPECT_FALSE(freed);
  EXPECT_EQ(service->RefCount(), 1);
  EXPECT_EQ(service->GetVersion(), ServiceInterfaceVersion);
  EXPECT_EQ(service->Release(), 0);
  EXPECT_TRUE(freed);
}

}  // namespace
