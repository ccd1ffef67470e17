#pragma once
// TFormDesigner: the designer of a form as property editors, component
// editors and design packages see it. A development environment (here: the
// library's designer) implements every operation; the platform only declares
// them. The operations are declared in this order, which is the order of the
// designer's slots, and none has a body here.
//
// The designer is also the component model's designer link (IDesignerNotify):
// a form whose Designer is set routes Modified, Notification and
// ValidateRename of its components to it.

#include <cstdint>
#include <functional>
#include <string>

#include "platform/classes/Component.h"
#include "platform/rtti/Object.h"

class TComponentList;
class TControl;
class TCustomForm;
struct TMessage;

// Receives names one by one (method names, component names ...).
using TGetStrProc = std::function<void(const std::string& name)>;

class TFormDesigner : public TObject, public IDesignerNotify {
  MORVANE_CLASS(TFormDesigner, TObject)

 public:
  // The form being designed; set by whoever attaches the designer.
  TCustomForm* Form = nullptr;

  // Whether the designer takes a message aimed at a designed control itself.
  virtual bool IsDesignMsg(TControl* Sender, TMessage& Message) = 0;
  // Something on the form changed (a property editor wrote a value ...).
  void Modified() override = 0;
  void Notification(TPersistent* AComponent, TOperation Operation) override = 0;
  virtual void PaintGrid() = 0;
  void ValidateRename(TComponent* AComponent, const std::string& CurName,
                      const std::string& NewName) override = 0;
  // Event handlers of the form being designed.
  virtual TMethod CreateMethod(const std::string& Name, PTypeData TypeData) = 0;
  virtual std::string GetMethodName(const TMethod& Method) = 0;
  virtual void GetMethods(PTypeData TypeData, const TGetStrProc& Proc) = 0;
  virtual std::string GetPrivateDirectory() = 0;
  // The selection.
  virtual void GetSelections(TComponentList* List) = 0;
  virtual bool MethodExists(const std::string& Name) = 0;
  virtual void RenameMethod(const std::string& CurName, const std::string& NewName) = 0;
  virtual void SelectComponent(TPersistent* Instance) = 0;
  virtual void SetSelections(TComponentList* List) = 0;
  virtual void ShowMethod(const std::string& Name) = 0;
  // Components and objects of the form by name.
  virtual std::string UniqueName(const std::string& BaseName) = 0;
  virtual void GetComponentNames(PTypeData TypeData, const TGetStrProc& Proc) = 0;
  virtual TComponent* GetComponent(const std::string& Name) = 0;
  virtual std::string GetComponentName(TComponent* Component) = 0;
  virtual TPersistent* GetObject(const std::string& Name) = 0;
  virtual std::string GetObjectName(TPersistent* Instance) = 0;
  virtual void GetObjectNames(PTypeData TypeData, const TGetStrProc& Proc) = 0;
  virtual bool MethodFromAncestor(const TMethod& Method) = 0;
  virtual TComponent* CreateComponent(TComponentClass ComponentClass, TComponent* Parent,
                                      int32_t Left, int32_t Top, int32_t Width,
                                      int32_t Height) = 0;
  virtual bool IsComponentLinkable(TComponent* Component) = 0;
  virtual void MakeComponentLinkable(TComponent* Component) = 0;
  virtual TComponent* GetRoot() = 0;
  // Gives a property back its inherited value.
  virtual void Revert(TPersistent* Instance, PPropInfo PropInfo) = 0;
  virtual bool GetIsDormant() = 0;
  // The form's class declaration as the environment keeps it.
  virtual bool HasInterface() = 0;
  virtual bool HasInterfaceMember(const std::string& Name) = 0;
  virtual void AddInterfaceMember(const std::string& MemberText) = 0;
};
