// Which editors a selection gets: the rows of one component, the common rows
// of several, and the best-match rule of RegisterPropertyEditor.

#include <gtest/gtest.h>

#include "platform/design/ObjectEditors.h"
#include "platform/design/OrdinalEditors.h"
#include "platform/design/PropertyRegistry.h"
#include "platform/rtti/TypInfo.h"
#include "tests/platform/design/DesignTestSupport.h"

namespace {

struct TRow {
  const char* Name;
  const char* Editor;
};

void ExpectRows(const std::vector<std::unique_ptr<TPropertyEditor>>& editors,
                const std::vector<TRow>& expected) {
  ASSERT_EQ(editors.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(editors[i]->GetName(), expected[i].Name) << "row " << i;
    EXPECT_EQ(editors[i]->ClassName(), expected[i].Editor) << expected[i].Name;
  }
}

TEST(GetComponentProperties, GivesOneEditorPerPropertyInDeclarationOrder) {
  TTestButton button(nullptr);
  TRecordingDesigner designer;
  ExpectRows(EditorsFor({&button}, tkProperties(), &designer),
             {{"Name", "TComponentNameProperty"}, {"Tag", "TIntegerProperty"},
              {"Accelerator", "TCharProperty"}, {"Alarm", "TTimeProperty"},
              {"Align", "TEnumProperty"}, {"Bytes", "TIntegerProperty"},
              {"Caption", "TCaptionProperty"}, {"Color", "TColorProperty"},
              {"Cursor", "TCursorProperty"}, {"Enabled", "TEnumProperty"},
              {"Font", "TFontProperty"}, {"Key", "TShortCutProperty"},
              {"Left", "TIntegerProperty"}, {"ModalResult", "TModalResultProperty"},
              {"Moment", "TDateTimeProperty"}, {"Partner", "TComponentProperty"},
              {"Ratio", "TFloatProperty"}, {"Started", "TDateProperty"},
              {"TabOrder", "TTabOrderProperty"}, {"Width", "TIntegerProperty"}});
  ExpectRows(EditorsFor({&button}, tkMethods(), &designer),
             {{"OnChange", "TMethodProperty"}, {"OnClick", "TMethodProperty"}});
}

TEST(GetComponentProperties, SeveralObjectsShareTheirCommonPropertiesWithoutName) {
  TTestButton button(nullptr);
  TTestLabel label(nullptr);
  TRecordingDesigner designer;
  auto editors = EditorsFor({&button, &label}, tkAny(), &designer);
  ExpectRows(editors, {{"Tag", "TIntegerProperty"},
                       {"Caption", "TCaptionProperty"},
                       {"Color", "TColorProperty"},
                       {"Enabled", "TEnumProperty"},
                       {"Left", "TIntegerProperty"},
                       {"OnClick", "TMethodProperty"}});
  TPropertyEditor& left = *editors[4];
  ASSERT_EQ(left.PropCount(), 2);
  left.SetValue("40");
  EXPECT_EQ(button.Left, 40);
  EXPECT_EQ(label.Left, 40);
  EXPECT_EQ(designer.ModifiedCount, 1);
}

TEST(GetComponentProperties, NothingSelectedGivesNothing) {
  TComponentList empty;
  int calls = 0;
  GetComponentProperties(&empty, tkAny(), nullptr, [&](TPropertyEditor* e) {
    ++calls;
    delete e;
  });
  GetComponentProperties(nullptr, tkAny(), nullptr, [&](TPropertyEditor* e) {
    ++calls;
    delete e;
  });
  EXPECT_EQ(calls, 0);
}

// A family of classes with properties of a type of its own, so that the
// registrations below touch nothing else.
using TMeasure = int32_t;
PTypeInfo TypeInfoTMeasure() {
  static const TTypeInfo info = MakeOrdinalTypeInfo(tkInteger, "TMeasure", otSLong, 0, 1000);
  return &info;
}

class TMatchBase : public TComponent {
  MORVANE_CLASS(TMatchBase, TComponent)
 public:
  using TComponent::TComponent;
  TMeasure Size = 0;
  TMeasure Depth = 0;
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* value) { FFont->Assign(value); }
  static void Publish(TPublisher<TMatchBase>& p) {
    p.Property("Size", &TMatchBase::Size, [](TMatchBase& o, TMeasure v) { o.Size = v; })
        .Type(TypeInfoTMeasure());
    p.Property("Depth", &TMatchBase::Depth, [](TMatchBase& o, TMeasure v) { o.Depth = v; })
        .Type(TypeInfoTMeasure());
    p.Property("Font", &TMatchBase::Font, &TMatchBase::SetFont);
  }
 private:
  std::unique_ptr<TFont> FFont = std::make_unique<TFont>();
};
class TMatchDerived : public TMatchBase {
  MORVANE_CLASS(TMatchDerived, TMatchBase)
 public:
  using TMatchBase::TMatchBase;
};
class TMatchLeaf : public TMatchDerived {
  MORVANE_CLASS(TMatchLeaf, TMatchDerived)
 public:
  using TMatchDerived::TMatchDerived;
};

#define MORVANE_TEST_EDITOR(Name, Base) \
  class Name : public Base {            \
    MORVANE_CLASS(Name, Base)           \
  }
MORVANE_TEST_EDITOR(TAnyEditor, TIntegerProperty);
MORVANE_TEST_EDITOR(TBaseEditor, TIntegerProperty);
MORVANE_TEST_EDITOR(TDepthEditor, TIntegerProperty);
MORVANE_TEST_EDITOR(TDerivedEditor, TIntegerProperty);
MORVANE_TEST_EDITOR(TLaterDerivedEditor, TIntegerProperty);
MORVANE_TEST_EDITOR(TExactFontEditor, TClassProperty);
MORVANE_TEST_EDITOR(TPersistentEditor, TClassProperty);

class BestMatch : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    PTypeInfo measure = TypeInfoTMeasure();
    RegisterPropertyEditor(measure, nullptr, "", ClassOf<TAnyEditor>());
    RegisterPropertyEditor(measure, ClassOf<TMatchBase>(), "", ClassOf<TBaseEditor>());
    RegisterPropertyEditor(measure, nullptr, "depth", ClassOf<TDepthEditor>());
    RegisterPropertyEditor(measure, ClassOf<TMatchDerived>(), "", ClassOf<TDerivedEditor>());
    RegisterPropertyEditor(measure, ClassOf<TMatchDerived>(), "", ClassOf<TLaterDerivedEditor>());
    // The exact type wins over an ancestor type although registered first.
    RegisterPropertyEditor(TFont::StaticClass()->ClassInfo(), ClassOf<TMatchBase>(), "",
                           ClassOf<TExactFontEditor>());
    RegisterPropertyEditor(TPersistent::StaticClass()->ClassInfo(), ClassOf<TMatchBase>(), "",
                           ClassOf<TPersistentEditor>());
  }
};

TEST_F(BestMatch, ChoosesNameThenCloserClassThenCloserTypeThenLaterRegistration) {
  struct TCase {
    TClass Component;
    const char* Property;
    const char* Editor;
  } cases[] = {
      {ClassOf<TMatchBase>(), "Size", "TBaseEditor"},             // a class over any class
      {ClassOf<TMatchDerived>(), "Size", "TLaterDerivedEditor"},  // the later of two equals
      {ClassOf<TMatchLeaf>(), "Size", "TLaterDerivedEditor"},     // the closer ancestor
      {ClassOf<TMatchLeaf>(), "Depth", "TDepthEditor"},           // a name over any name
      {ClassOf<TMatchBase>(), "Font", "TExactFontEditor"},        // the closer type
      {ClassOf<TComponent>(), "Tag", "TIntegerProperty"},         // nothing registered fits
  };
  for (const TCase& c : cases) {
    PPropInfo prop = GetPropInfo(c.Component, c.Property);
    ASSERT_NE(prop, nullptr) << c.Property;
    EXPECT_EQ(GetEditorClass(prop, c.Component)->ClassName(), c.Editor)
        << c.Component->ClassName() << "." << c.Property;
  }
}

TEST_F(BestMatch, SeveralObjectsKeepOnlyPropertiesWithTheSameEditor) {
  TMatchBase base(nullptr);
  TMatchLeaf leaf(nullptr);
  // Size has different editors on the two classes, Depth the same one.
  auto editors = EditorsFor({&base, &leaf}, tkAny(), nullptr);
  std::vector<std::string> names;
  for (const auto& e : editors) names.push_back(e->GetName());
  EXPECT_EQ(names, (std::vector<std::string>{"Tag", "Depth", "Font"}));
}

}  // namespace
