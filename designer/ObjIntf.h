#pragma once
// The two contracts through which the form designer and the object inspector
// talk to each other. Neither knows the other's implementation: the
// inspector sees a TObjEditor, the designer sees a TObjInspector.
//
// TObjEditor gives every TFormDesigner operation a neutral answer, so a bare
// one is the designer an inspector falls back to when no form is designed.
// TObjectEditor (ObjEdit.h) overrides what a live form designer can answer.

#include <string>
#include <vector>

#include "platform/controls/Forms.h"
#include "platform/design/ComponentList.h"
#include "platform/design/FormDesigner.h"

class TObjInspector;

class TObjEditor : public TFormDesigner {
  MORVANE_CLASS(TObjEditor, TFormDesigner)

 public:
  using TConstructorArg = void;

  // The virtual constructor: DesignerClass->Create() makes one.
  TObjEditor();
  // Frees the registered forms (FreeForms), then the list.
  ~TObjEditor() override;

  // Set by Modified and MarkModified, reset only by ClearModified.
  bool IsModified = false;
  // Forms registered with AddForm; FreeForms frees them.
  std::vector<TCustomForm*> Forms;
  // The inspector this designer reports to; not owned. Every inspector call
  // is skipped while it is null.
  TObjInspector* Inspector = nullptr;

  // TFormDesigner, in the order of its slots.
  bool IsDesignMsg(TControl* Sender, TMessage& Message) override;
  void Modified() override;
  void Notification(TPersistent* AComponent, TOperation Operation) override;
  void PaintGrid() override;
  void ValidateRename(TComponent* AComponent, const std::string& CurName,
                      const std::string& NewName) override;
  TMethod CreateMethod(const std::string& Name, PTypeData TypeData) override;
  std::string GetMethodName(const TMethod& Method) override;
  void GetMethods(PTypeData TypeData, const TGetStrProc& Proc) override;
  std::string GetPrivateDirectory() override;
  void GetSelections(TComponentList* List) override;
  bool MethodExists(const std::string& Name) override;
  void RenameMethod(const std::string& CurName, const std::string& NewName) override;
  void SelectComponent(TPersistent* Instance) override;
  void SetSelections(TComponentList* List) override;
  void ShowMethod(const std::string& Name) override;
  std::string UniqueName(const std::string& BaseName) override;
  void GetComponentNames(PTypeData TypeData, const TGetStrProc& Proc) override;
  TComponent* GetComponent(const std::string& Name) override;
  std::string GetComponentName(TComponent* Component) override;
  TPersistent* GetObject(const std::string& Name) override;
  std::string GetObjectName(TPersistent* Instance) override;
  void GetObjectNames(PTypeData TypeData, const TGetStrProc& Proc) override;
  bool MethodFromAncestor(const TMethod& Method) override;
  TComponent* CreateComponent(TComponentClass ComponentClass, TComponent* Parent, int32_t Left,
                              int32_t Top, int32_t Width, int32_t Height) override;
  bool IsComponentLinkable(TComponent* Component) override;
  void MakeComponentLinkable(TComponent* Component) override;
  TComponent* GetRoot() override;
  void Revert(TPersistent* Instance, PPropInfo PropInfo) override;
  bool GetIsDormant() override;
  bool HasInterface() override;
  bool HasInterfaceMember(const std::string& Name) override;
  void AddInterfaceMember(const std::string& MemberText) override;

  // Appends AForm to Forms, then makes this designer the form's Designer.
  virtual void AddForm(TCustomForm* AForm);
  // Clears the form's Designer (also for a form never added), then removes
  // it from Forms.
  virtual void RemoveForm(TCustomForm* AForm);
  // Frees every registered form, last first.
  virtual void FreeForms();

  // Structural changes: the flag only, no inspector refresh, no event.
  void MarkModified() { IsModified = true; }
  // Hosts call it after saving.
  void ClearModified() { IsModified = false; }
};

// The inspector contract. Every operation but SetSelections is abstract: an
// implementation that leaves one out raises EAbstractError when it is called.
class TObjInspector : public TForm {
  MORVANE_CLASS(TObjInspector, TForm)

 public:
  explicit TObjInspector(TComponent* AOwner) : TForm(AOwner) {}

  // The component whose owned components are offered for selection.
  virtual TComponent* GetRoot();
  virtual void SetRoot(TComponent* Root);
  // The inspected components, owned by the inspector; null when none.
  virtual TComponentList* GetSelection();
  // The designer the property editors are given.
  virtual TObjEditor* GetEditor();
  // Uses Editor from now on and sets Editor->Inspector to this inspector;
  // null goes back to the inspector's own default designer.
  virtual void SetEditor(TObjEditor* Editor);
  virtual void RefreshValues();
  virtual void InspectObject(TPersistent* Instance);
  // Takes ownership of List. The base body fires OnSelectionChanged(List);
  // an implementation calls it once it has taken the list over.
  virtual void SetSelections(TComponentList* List);
  virtual void ClearSelection();
  // Brackets bulk creation of components (paste, placing, form load).
  virtual void BeginUpdate();
  virtual void EndUpdate();
  // Appends every inspected component to List.
  virtual void GetSelections(TComponentList* List);
  virtual void ComponentRenamed(TComponent* Component, const std::string& CurName,
                                const std::string& NewName);
};

using TSelectionChangedEvent = TEvent<void(TComponentList* List)>;
using TDesignModifiedEvent = TEvent<void()>;

// A class of TObjEditor, kept for hosts; set by InitDesignEnvironment.
extern TClass DesignerClass;
// The address of ObjEdit's active-designer variable; null in a program that
// has no form designer.
extern TObjEditor** ActiveDesignerRef;
// Fired by TObjInspector::SetSelections and TObjEditor::Modified.
extern TSelectionChangedEvent OnSelectionChanged;
extern TDesignModifiedEvent OnDesignModified;

// Unit start-up and shut-down (shut-down clears DesignerClass and the events).
void InitializeObjIntf();
void FinalizeObjIntf();
