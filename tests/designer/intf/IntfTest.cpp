// The designer and inspector contracts: the neutral answers of a bare
// designer, its registered forms, and what a live designer answers.

#include <gtest/gtest.h>

#include "DesignerTestSupport.h"
#include "platform/controls/stdctrls/Button.h"
#include "platform/controls/stdctrls/Label.h"
#include "platform/core/Exceptions.h"

namespace {

TEST(Intf, NeutralAnswersOfABareDesigner) {
  TObjEditor designer;
  TButton button(nullptr);
  button.SetName("Button1");
  TStringList notAComponent;
  EXPECT_EQ(designer.GetObjectName(nullptr), "");
  EXPECT_EQ(designer.GetObjectName(&notAComponent), "");
  EXPECT_EQ(designer.GetObjectName(&button), "Button1");
  EXPECT_EQ(designer.CreateMethod("Button1Click", nullptr), TMethod{});
  EXPECT_EQ(designer.GetMethodName(TMethod{}), "Notimplemented");
  const std::string directory = designer.GetPrivateDirectory();
  ASSERT_FALSE(directory.empty());
  EXPECT_EQ(directory.back(), '/');
  EXPECT_EQ(designer.GetRoot(), nullptr);
  EXPECT_EQ(designer.UniqueName("Button"), "");
}

TEST(Intf, ModifiedRefreshesTheInspectorAndTellsTheServicesOnlyWhenThere) {
  TObjEditor alone;
  alone.Modified();
  EXPECT_TRUE(alone.IsModified);
  alone.ClearModified();
  EXPECT_FALSE(alone.IsModified);

  TRecordingInspector inspector;
  TObjEditor reporting;
  reporting.Inspector = &inspector;
  int events = 0;
  OnDesignModified = [&] { ++events; };
  reporting.MarkModified();
  EXPECT_TRUE(inspector.Calls.empty());
  EXPECT_EQ(events, 0);
  reporting.Modified();
  OnDesignModified.Clear();
  EXPECT_EQ(inspector.Calls, std::vector<std::string>{"RefreshValues"});
  EXPECT_EQ(events, 1);
}

TEST(Intf, RegisteredFormsAreFreedLastFirst) {
  std::vector<std::string> freed;
  auto* designer = new TObjEditor;
  for (const char* name : {"First", "Second"}) {
    auto* form = new TForm(nullptr);
    form->SetName(name);
    form->OnDestroy = [&freed, form](TObject*) { freed.push_back(form->Name()); };
    designer->AddForm(form);
    EXPECT_EQ(form->Designer(), designer);
  }
  TForm stranger(nullptr);
  stranger.SetDesigner(designer);
  designer->RemoveForm(&stranger);
  EXPECT_EQ(stranger.Designer(), nullptr) << "a form never added still loses its designer";
  EXPECT_EQ(designer->Forms.size(), 2u);
  designer->Free();
  EXPECT_EQ(freed, (std::vector<std::string>{"Second", "First"}));
}

TEST(Intf, AnInspectorLeavingAnOperationOutRaises) {
  TObjInspector inspector(nullptr);
  EXPECT_THROW(inspector.InspectObject(nullptr), EAbstractError);
  EXPECT_THROW(inspector.ClearSelection(), EAbstractError);
  TComponentList* seen = nullptr;
  OnSelectionChanged = [&](TComponentList* list) { seen = list; };
  TComponentList list;
  inspector.SetSelections(&list);
  OnSelectionChanged.Clear();
  EXPECT_EQ(seen, &list);
}

TEST(Intf, ALiveDesignerAnswersFromItsForm) {
  TRecordingInspector inspector;
  TDesignedForm designed;
  TForm* form = designed.Form;
  AddControl<TButton>(form, form, "OK", 8, 8, 80, 24);
  AddControl<TLabel>(form, form, "Caption1", 8, 40, 80, 16);
  AddControl<TButton>(form, form, "Cancel", 8, 64, 80, 24);
  TObjectEditor* designer = CreateDesigner(form, &inspector);
  std::vector<std::string> names;
  designer->GetComponentNames(GetTypeData(TButton::StaticClass()->ClassInfo()),
                              [&](const std::string& name) { names.push_back(name); });
  EXPECT_EQ(names, (std::vector<std::string>{"OK", "Cancel"}));
  EXPECT_EQ(designer->GetComponent("cancel"), form->FindComponent("Cancel"));
  EXPECT_EQ(designer->GetComponent("Missing"), nullptr);
  EXPECT_EQ(designer->GetComponentName(form->FindComponent("OK")), "OK");
  EXPECT_EQ(designer->GetComponentName(nullptr), "");
  EXPECT_EQ(designer->GetRoot(), form);

  inspector.ClearCalls();
  form->FindComponent("OK")->SetName("Accept");
  EXPECT_EQ(inspector.CallsOf("ComponentRenamed"),
            std::vector<std::string>{"ComponentRenamed OK Accept"});
  designer->SetEditControl(nullptr);
}

}  // namespace
