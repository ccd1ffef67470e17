#pragma once
// Shared fixtures of the design-time tests: a button-like component with the
// usual kinds of published properties, a label-like one that shares some of
// them, and a designer double that records what editors ask of it.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/controls/menus/ShortCuts.h"
#include "platform/design/ComponentList.h"
#include "platform/design/FormDesigner.h"
#include "platform/design/PropertyEditor.h"
#include "platform/graphics/Font.h"

enum TTestAlign { talNone, talTop, talBottom, talLeft, talRight, talClient };
MORVANE_ENUM_TYPEINFO(TTestAlign, talNone, talTop, talBottom, talLeft, talRight, talClient);

class TTestButton : public TComponent {
  MORVANE_CLASS(TTestButton, TComponent)

 public:
  explicit TTestButton(TComponent* owner) : TComponent(owner) {}
  ~TTestButton() override { delete FFont; }

  TTestAlign Align = talNone;
  std::string Caption;
  TColor Color = clBtnFace;
  int16_t Cursor = 0;
  bool Enabled = true;
  int32_t Left = 0;
  int32_t ModalResult = 0;
  double Ratio = 0;
  int16_t TabOrder = -1;
  int16_t Width = 75;
  char Accelerator = 'A';
  int64_t Bytes = 0;
  double Started = 0;
  double Moment = 0;
  double Alarm = 0;
  TShortCut Key = 0;
  TComponent* Partner = nullptr;
  TNotifyEvent OnClick;
  TNotifyEvent OnChange;

  TFont* Font() const { return FFont; }
  void SetFont(TFont* value) { FFont->Assign(value); }
  TComponent* GetPartner() const { return Partner; }
  void SetPartner(TComponent* value) { Partner = value; }

  static void Publish(TPublisher<TTestButton>& p);

 private:
  TFont* FFont = new TFont();
};

// Shares Caption, Color, Enabled, Left and OnClick with TTestButton.
class TTestLabel : public TComponent {
  MORVANE_CLASS(TTestLabel, TComponent)

 public:
  explicit TTestLabel(TComponent* owner) : TComponent(owner) {}
  std::string Caption;
  TColor Color = clWindow;
  bool Enabled = true;
  int32_t Left = 0;
  bool Transparent = false;
  TNotifyEvent OnClick;

  static void Publish(TPublisher<TTestLabel>& p);
};

// Answers like a designer of one form (Root) and records every call by name.
class TRecordingDesigner : public TFormDesigner {
  MORVANE_CLASS(TRecordingDesigner, TFormDesigner)

 public:
  TComponent* Root = nullptr;
  std::vector<std::string> Calls;
  // The form's handlers: name -> method.
  std::map<std::string, TMethod> Methods;
  int ModifiedCount = 0;

  bool IsDesignMsg(TControl*, TMessage&) override { return false; }
  void Modified() override;
  void Notification(TPersistent*, TOperation) override {}
  void PaintGrid() override {}
  void ValidateRename(TComponent*, const std::string&, const std::string&) override {}
  TMethod CreateMethod(const std::string& Name, PTypeData TypeData) override;
  std::string GetMethodName(const TMethod& Method) override;
  void GetMethods(PTypeData TypeData, const TGetStrProc& Proc) override;
  std::string GetPrivateDirectory() override { return {}; }
  void GetSelections(TComponentList*) override {}
  bool MethodExists(const std::string& Name) override;
  void RenameMethod(const std::string& CurName, const std::string& NewName) override;
  void SelectComponent(TPersistent*) override {}
  void SetSelections(TComponentList*) override {}
  void ShowMethod(const std::string& Name) override;
  std::string UniqueName(const std::string&) override { return {}; }
  void GetComponentNames(PTypeData TypeData, const TGetStrProc& Proc) override;
  TComponent* GetComponent(const std::string& Name) override;
  std::string GetComponentName(TComponent* Component) override;
  TPersistent* GetObject(const std::string&) override { return nullptr; }
  std::string GetObjectName(TPersistent* Instance) override;
  void GetObjectNames(PTypeData, const TGetStrProc&) override {}
  bool MethodFromAncestor(const TMethod&) override { return false; }
  TComponent* CreateComponent(TComponentClass, TComponent*, int32_t, int32_t, int32_t,
                              int32_t) override {
    return nullptr;
  }
  bool IsComponentLinkable(TComponent*) override { return false; }
  void MakeComponentLinkable(TComponent*) override {}
  TComponent* GetRoot() override { return Root; }
  void Revert(TPersistent*, PPropInfo PropInfo) override;
  bool GetIsDormant() override { return false; }
  bool HasInterface() override { return false; }
  bool HasInterfaceMember(const std::string&) override { return false; }
  void AddInterfaceMember(const std::string&) override {}

 private:
  // The form's handlers, one per name, so that methods are real events.
  std::map<std::string, TNotifyEvent> FHandlers;
};

// An editor of the named property of one or more objects, as
// GetComponentProperties would make it for them; owned by the caller.
std::unique_ptr<TPropertyEditor> EditorFor(const std::vector<TPersistent*>& objects,
                                           const std::string& propertyName,
                                           TFormDesigner* designer);

// Every editor GetComponentProperties gives for the objects, in order.
std::vector<std::unique_ptr<TPropertyEditor>> EditorsFor(const std::vector<TPersistent*>& objects,
                                                         TTypeKinds filter,
                                                         TFormDesigner* designer);
