#include "tests/platform/design/DesignTestSupport.h"

#include "platform/core/SysUtils.h"
#include "platform/design/PropertyRegistry.h"
#include "platform/rtti/TypInfo.h"

// A published field with a plain setter.
#define MORVANE_TEST_FIELD(Class, Field) \
  #Field, &Class::Field, [](Class& o, decltype(Class::Field) v) { o.Field = v; }

void TTestButton::Publish(TPublisher<TTestButton>& p) {
  p.Property(MORVANE_TEST_FIELD(TTestButton, Accelerator));
  p.Property(MORVANE_TEST_FIELD(TTestButton, Alarm)).Type(TypeInfoTTime());
  p.Property(MORVANE_TEST_FIELD(TTestButton, Align)).Default(talNone);
  p.Property(MORVANE_TEST_FIELD(TTestButton, Bytes));
  p.Property(MORVANE_TEST_FIELD(TTestButton, Caption)).Type(TypeInfoTCaption());
  p.Property(MORVANE_TEST_FIELD(TTestButton, Color)).Type(TypeInfoTColor());
  p.Property(MORVANE_TEST_FIELD(TTestButton, Cursor)).Type(TypeInfoTCursor());
  p.Property(MORVANE_TEST_FIELD(TTestButton, Enabled)).Default(true);
  p.Property("Font", &TTestButton::Font, &TTestButton::SetFont);
  p.Property(MORVANE_TEST_FIELD(TTestButton, Key)).Type(TypeInfoTShortCut());
  p.Property(MORVANE_TEST_FIELD(TTestButton, Left));
  p.Property(MORVANE_TEST_FIELD(TTestButton, ModalResult)).Type(TypeInfoTModalResult());
  p.Property(MORVANE_TEST_FIELD(TTestButton, Moment)).Type(TypeInfoTDateTime());
  p.Property("Partner", &TTestButton::GetPartner, &TTestButton::SetPartner);
  p.Property(MORVANE_TEST_FIELD(TTestButton, Ratio));
  p.Property(MORVANE_TEST_FIELD(TTestButton, Started)).Type(TypeInfoTDate());
  p.Property(MORVANE_TEST_FIELD(TTestButton, TabOrder)).Type(TypeInfoTTabOrder());
  p.Property(MORVANE_TEST_FIELD(TTestButton, Width));
  p.Event("OnChange", &TTestButton::OnChange);
  p.Event("OnClick", &TTestButton::OnClick);
}

void TTestLabel::Publish(TPublisher<TTestLabel>& p) {
  p.Property(MORVANE_TEST_FIELD(TTestLabel, Caption)).Type(TypeInfoTCaption());
  p.Property(MORVANE_TEST_FIELD(TTestLabel, Color)).Type(TypeInfoTColor());
  p.Property(MORVANE_TEST_FIELD(TTestLabel, Enabled)).Default(true);
  p.Property(MORVANE_TEST_FIELD(TTestLabel, Left));
  p.Property(MORVANE_TEST_FIELD(TTestLabel, Transparent));
  p.Event("OnClick", &TTestLabel::OnClick);
}

void TRecordingDesigner::Modified() {
  ++ModifiedCount;
  Calls.push_back("Modified");
}

TMethod TRecordingDesigner::CreateMethod(const std::string& Name, PTypeData) {
  Calls.push_back("CreateMethod " + Name);
  auto found = Methods.find(Name);
  if (found != Methods.end()) return found->second;
  FHandlers[Name] = TNotifyEvent([](TObject*) {});
  TMethod method = FHandlers[Name].Method();
  Methods[Name] = method;
  return method;
}

std::string TRecordingDesigner::GetMethodName(const TMethod& Method) {
  for (const auto& [name, method] : Methods)
    if (method == Method) return name;
  return {};
}

void TRecordingDesigner::GetMethods(PTypeData, const TGetStrProc& Proc) {
  for (const auto& entry : Methods) Proc(entry.first);
}

bool TRecordingDesigner::MethodExists(const std::string& Name) { return Methods.count(Name) > 0; }

void TRecordingDesigner::RenameMethod(const std::string& CurName, const std::string& NewName) {
  Calls.push_back("RenameMethod " + CurName + " " + NewName);
  auto node = Methods.extract(CurName);
  node.key() = NewName;
  Methods.insert(std::move(node));
}

void TRecordingDesigner::ShowMethod(const std::string& Name) { Calls.push_back("ShowMethod " + Name); }

void TRecordingDesigner::GetComponentNames(PTypeData TypeData, const TGetStrProc& Proc) {
  for (int32_t i = 0; Root && i < Root->ComponentCount(); ++i)
    if (Root->Components(i)->InheritsFrom(TypeData->ClassType)) Proc(Root->Components(i)->Name());
}

TComponent* TRecordingDesigner::GetComponent(const std::string& Name) {
  return Root ? Root->FindComponent(Name) : nullptr;
}

std::string TRecordingDesigner::GetComponentName(TComponent* Component) {
  return Component ? Component->Name() : std::string();
}

std::string TRecordingDesigner::GetObjectName(TPersistent* Instance) {
  auto* component = dynamic_cast<TComponent*>(Instance);
  return component ? component->Name() : std::string();
}

void TRecordingDesigner::Revert(TPersistent*, PPropInfo PropInfo) {
  Calls.push_back("Revert " + PropInfo->Name);
}

std::vector<std::unique_ptr<TPropertyEditor>> EditorsFor(const std::vector<TPersistent*>& objects,
                                                         TTypeKinds filter,
                                                         TFormDesigner* designer) {
  TComponentList list;
  for (TPersistent* o : objects) list.Add(o);
  std::vector<std::unique_ptr<TPropertyEditor>> editors;
  GetComponentProperties(&list, filter, designer,
                         [&](TPropertyEditor* e) { editors.emplace_back(e); });
  return editors;
}

std::unique_ptr<TPropertyEditor> EditorFor(const std::vector<TPersistent*>& objects,
                                           const std::string& propertyName,
                                           TFormDesigner* designer) {
  for (auto& editor : EditorsFor(objects, tkAny(), designer))
    if (SameText(editor->GetName(), propertyName)) return std::move(editor);
  return nullptr;
}
