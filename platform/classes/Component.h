#pragma once
// TComponent: the platform's component. A component has an owner that frees
// it, a name unique (case-insensitively) among its owner's components, and
// takes part in the notification protocol: when a component is inserted into
// or removed from an owner, the owner and every component it owns are told
// (Notification with opInsert / opRemove), and a component that asked to be
// told (FreeNotification) hears when its partner is destroyed.
//
// Free() a component rather than delete it where owners or partners override
// Notification: they then hear of it as the platform's components do.
//
// Note for C++: a component constructed with an owner is inserted by
// TComponent's constructor, so the owner's Notification(opInsert) runs before
// the derived constructors; it sees the new component as a TComponent. Code
// that needs the finished object in opInsert creates with no owner and calls
// InsertComponent afterwards.

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/classes/Persistent.h"

class TComponent;
class TReader;
class TWriter;

enum TOperation { opInsert, opRemove };

enum TComponentStateItem {
  csLoading, csReading, csWriting, csDestroying, csDesigning, csAncestor, csUpdating, csFixups,
  csFreeNotification, csInline, csDesignInstance
};
using TComponentState = TSet<TComponentStateItem>;

enum TComponentStyleItem { csInheritable, csCheckPropAvail, csSubComponent, csTransient };
using TComponentStyle = TSet<TComponentStyleItem>;

using TComponentClass = TClass;
using TGetChildProc = std::function<void(TComponent* child)>;

// The designer as components see it. A root component with a designer passes
// it every notification and rename of components under it.
class IDesignerNotify {
 public:
  virtual ~IDesignerNotify() = default;
  virtual void Modified() = 0;
  virtual void Notification(TPersistent* component, TOperation operation) = 0;
  virtual void ValidateRename(TComponent* component, const std::string& curName,
                              const std::string& newName) = 0;
};

class TComponent : public TPersistent {
  MORVANE_CLASS(TComponent, TPersistent)

 public:
  using TConstructorArg = TComponent*;

  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  TComponent* Owner() const { return FOwner; }
  int32_t ComponentCount() const { return static_cast<int32_t>(FComponents.size()); }
  // Raises EListError for an index out of range.
  TComponent* Components(int32_t index) const;
  // The position in the owner's list; -1 without owner.
  int32_t ComponentIndex() const;
  void SetComponentIndex(int32_t value);
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);
  // Frees every owned component, last first.
  void DestroyComponents();
  // The owned component of that name (case-insensitive); nullptr when none.
  TComponent* FindComponent(const std::string& name) const;

  const std::string& Name() const { return FName; }
  // An identifier or empty; raises EComponentError for an invalid or duplicate
  // name ("'1abc' is not a valid component name", "A component named X already exists").
  virtual void SetName(const std::string& name);
  int32_t Tag() const { return FTag; }
  void SetTag(int32_t value) { FTag = value; }
  // A non-visual component's position on the design surface: left in the low
  // 16 bits, top in the high 16 bits.
  int32_t DesignInfo() const { return FDesignInfo; }
  void SetDesignInfo(int32_t value) { FDesignInfo = value; }

  TComponentState ComponentState() const { return FComponentState; }
  TComponentStyle ComponentStyle() const { return FComponentStyle; }
  void SetSubComponent(bool value);

  virtual void Notification(TComponent* component, TOperation operation);
  // Asks to be told (Notification opRemove) when component is destroyed.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  // Marks this component (and with children, everything it owns) as designed.
  void SetDesigning(bool value, bool setChildren = true);
  void SetDesignInstance(bool value);
  void SetInline(bool value);
  void SetAncestor(bool value);
  // The designer that hears about this component: its root's.
  IDesignerNotify* FindRootDesigner() const;
  // The designer set on this component (a root), or nullptr.
  IDesignerNotify* Designer() const { return FDesigner; }
  void SetDesigner(IDesignerNotify* designer) { FDesigner = designer; }

  virtual void ValidateRename(TComponent* component, const std::string& curName,
                              const std::string& newName);
  virtual void ValidateContainer(TComponent* component);
  virtual void ValidateInsert(TComponent* component);

  // Parent-child structure for streaming (controls and menu items have one).
  virtual bool HasParent() const { return false; }
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual void SetParentComponent(TComponent*) {}
  // Calls proc for each component streamed as a child of this one (a root:
  // the components it owns).
  virtual void GetChildren(const TGetChildProc& proc, TComponent* root);
  virtual TComponent* GetChildOwner() { return nullptr; }
  virtual TComponent* GetChildParent() { return this; }
  virtual void SetChildOrder(TComponent*, int32_t) {}

  void Updating() { FComponentState.Include(csUpdating); }
  void Updated() { FComponentState.Exclude(csUpdating); }
  void Destroying();
  // Tells free-notification partners, frees owned components and leaves the
  // owner, while the whole object still exists (see TObject::Free).
  void BeforeDestruction() override;

  virtual void ReadState(TReader* reader);
  virtual void WriteState(TWriter* writer);

  std::string GetNamePath() const override { return FName; }
  TPersistent* GetOwner() const override { return FOwner; }
  void DefineProperties(TFiler* filer) override;

  static void Publish(TPublisher<TComponent>& p);

 protected:
  // Called when reading is complete, after every reference is resolved.
  virtual void Loaded();
  // Sets the name without validation (the reader renames inherited
  // components this way); keeps the owner's name index right.
  void ChangeName(const std::string& newName);

 private:
  friend class TReader;
  friend class TWriter;

  void Insert(TComponent* component);
  void Remove(TComponent* component);
  // Tells the root's designer when the owner that heard is not that root.
  void NotifyRootDesigner(TComponent* component, TOperation operation);
  void RemoveNotification(TComponent* component);
  void ReleaseLinks();

  TComponent* FOwner = nullptr;
  std::string FName;
  int32_t FTag = 0;
  int32_t FDesignInfo = 0;
  std::vector<TComponent*> FComponents;
  // The owned components by upper-cased name, so that FindComponent and the
  // duplicate check stay cheap for owners of thousands of components.
  std::unordered_map<std::string, TComponent*> FNameIndex;
  std::vector<TComponent*> FFreeNotifies;
  TComponentState FComponentState;
  TComponentStyle FComponentStyle{csInheritable};
  IDesignerNotify* FDesigner = nullptr;
  bool FLinksReleased = false;
};

// Creates a component of a class given by reference, as the system's virtual
// constructors do; raises EInvalidCast when cls is not a component class.
TComponent* CreateComponent(TComponentClass cls, TComponent* owner);

MORVANE_ENUM_TYPEINFO(TOperation, opInsert, opRemove);

// Finds a root component (a form, a data module) by name, for references from
// one root to another ("Form2.Button1"); the layer that keeps the roots
// registers the look-up. nullptr when none is registered or nothing matches.
TComponent* FindGlobalComponent(const std::string& name);
void RegisterFindGlobalComponentProc(std::function<TComponent*(const std::string& name)> proc);
// The component a reference path names from root: "Button1", "Owner" (root
// itself), "Panel1.Button1", or "Form2.Button1" through FindGlobalComponent.
TComponent* FindNestedComponent(TComponent* root, const std::string& namePath);
