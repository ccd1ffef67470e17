#include "platform/classes/Component.h"

#include <algorithm>

#include "platform/classes/Filer.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"

void TComponent::Publish(TPublisher<TComponent>& p) {
  p.Property("Name", &TComponent::Name, &TComponent::SetName).Stored(false);
  p.Property("Tag", &TComponent::Tag, &TComponent::SetTag).Default(0);
}

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() { ReleaseLinks(); }

void TComponent::BeforeDestruction() { ReleaseLinks(); }

void TComponent::ReleaseLinks() {
  if (FLinksReleased) return;
  FLinksReleased = true;
  Destroying();
  // Each partner removes its link from our list while being told.
  while (!FFreeNotifies.empty()) {
    TComponent* partner = FFreeNotifies.back();
    partner->Notification(this, opRemove);
    if (!FFreeNotifies.empty() && FFreeNotifies.back() == partner) FFreeNotifies.pop_back();
  }
  DestroyComponents();
  if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::Destroying() {
  if (FComponentState.Contains(csDestroying)) return;
  FComponentState.Include(csDestroying);
  for (TComponent* c : FComponents) c->Destroying();
}

TComponent* TComponent::Components(int32_t index) const {
  if (index < 0 || index >= ComponentCount())
    throw EListError(Format("List index out of bounds (%d)", {index}));
  return FComponents[static_cast<size_t>(index)];
}

int32_t TComponent::ComponentIndex() const {
  if (!FOwner) return -1;
  auto& list = FOwner->FComponents;
  return static_cast<int32_t>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TComponent::SetComponentIndex(int32_t value) {
  if (!FOwner) return;
  auto& list = FOwner->FComponents;
  int32_t current = ComponentIndex();
  value = std::clamp(value, 0, static_cast<int32_t>(list.size()) - 1);
  if (value == current) return;
  list.erase(list.begin() + current);
  list.insert(list.begin() + value, this);
}

void TComponent::Insert(TComponent* component) {
  FComponents.push_back(component);
  component->FOwner = this;
  if (!component->FName.empty()) FNameIndex[UpperCase(component->FName)] = component;
}

void TComponent::Remove(TComponent* component) {
  // Owners free their components last first: search from the back.
  auto it = std::find(FComponents.rbegin(), FComponents.rend(), component);
  if (it != FComponents.rend()) FComponents.erase(std::next(it).base());
  component->FOwner = nullptr;
  if (!component->FName.empty()) {
    auto entry = FNameIndex.find(UpperCase(component->FName));
    if (entry != FNameIndex.end() && entry->second == component) FNameIndex.erase(entry);
  }
}

void TComponent::ChangeName(const std::string& newName) {
  if (FOwner) {
    if (!FName.empty()) {
      auto entry = FOwner->FNameIndex.find(UpperCase(FName));
      if (entry != FOwner->FNameIndex.end() && entry->second == this) FOwner->FNameIndex.erase(entry);
    }
    if (!newName.empty()) FOwner->FNameIndex[UpperCase(newName)] = this;
  }
  FName = newName;
}

void TComponent::InsertComponent(TComponent* component) {
  component->ValidateContainer(this);
  ValidateRename(component, "", component->FName);
  Insert(component);
  if (FComponentState.Contains(csDesigning)) component->SetDesigning(true);
  Notification(component, opInsert);
  NotifyRootDesigner(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  ValidateRename(component, component->FName, "");
  Notification(component, opRemove);
  NotifyRootDesigner(component, opRemove);
  Remove(component);
}

void TComponent::NotifyRootDesigner(TComponent* component, TOperation operation) {
  const TComponent* root = this;
  while (root->FOwner) root = root->FOwner;
  if (root != this && root->FDesigner) root->FDesigner->Notification(component, operation);
}

void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    TComponent* instance = FComponents.back();
    // Silent removal unless someone asked to hear of it: the whole tree goes.
    if (instance->FComponentState.Contains(csFreeNotification) ||
        (FComponentState.Contains(csDesigning) && FComponentState.Contains(csInline)))
      RemoveComponent(instance);
    else
      Remove(instance);
    instance->Free();
  }
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  if (name.empty()) return nullptr;
  auto entry = FNameIndex.find(UpperCase(name));
  return entry == FNameIndex.end() ? nullptr : entry->second;
}

void TComponent::SetName(const std::string& name) {
  if (name == FName) return;
  if (!name.empty() && !IsValidIdent(name))
    throw EComponentError("'" + name + "' is not a valid component name");
  if (FOwner)
    FOwner->ValidateRename(this, FName, name);
  else
    ValidateRename(nullptr, FName, name);
  ChangeName(name);
}

void TComponent::ValidateRename(TComponent* component, const std::string& curName,
                                const std::string& newName) {
  if (component && !SameText(curName, newName) && component->FOwner == this &&
      FindComponent(newName))
    throw EComponentError("A component named " + newName + " already exists");
  if (FDesigner) FDesigner->ValidateRename(component, curName, newName);
  if (FComponentState.Contains(csDesigning) && FOwner)
    FOwner->ValidateRename(component, curName, newName);
}

void TComponent::ValidateContainer(TComponent* component) { component->ValidateInsert(this); }

void TComponent::ValidateInsert(TComponent*) {}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component) RemoveFreeNotification(component);
  // Owned components may remove themselves while being told: walk by index.
  for (size_t i = FComponents.size(); i-- > 0;) {
    if (i >= FComponents.size()) continue;
    FComponents[i]->Notification(component, operation);
  }
  if (FDesigner) FDesigner->Notification(component, operation);
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (!FOwner || component->FOwner != FOwner) {
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) == FFreeNotifies.end()) {
      FFreeNotifies.push_back(component);
      component->FreeNotification(this);
    }
  }
  FComponentState.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  RemoveNotification(component);
  component->RemoveNotification(this);
}

void TComponent::RemoveNotification(TComponent* component) {
  std::erase(FFreeNotifies, component);
}

void TComponent::SetDesigning(bool value, bool setChildren) {
  if (value)
    FComponentState.Include(csDesigning);
  else
    FComponentState.Exclude(csDesigning);
  if (setChildren)
    for (TComponent* c : FComponents) c->SetDesigning(value, true);
}

namespace {
void SetState(TComponentState& state, TComponentStateItem item, bool value) {
  if (value)
    state.Include(item);
  else
    state.Exclude(item);
}
}  // namespace

void TComponent::SetDesignInstance(bool value) { SetState(FComponentState, csDesignInstance, value); }
void TComponent::SetInline(bool value) { SetState(FComponentState, csInline, value); }

void TComponent::SetAncestor(bool value) {
  SetState(FComponentState, csAncestor, value);
  for (TComponent* c : FComponents) c->SetAncestor(value);
}

void TComponent::SetSubComponent(bool value) {
  if (value)
    FComponentStyle.Include(csSubComponent);
  else
    FComponentStyle.Exclude(csSubComponent);
}

IDesignerNotify* TComponent::FindRootDesigner() const {
  const TComponent* root = this;
  while (root->FOwner) root = root->FOwner;
  return root->FDesigner;
}

void TComponent::GetChildren(const TGetChildProc&, TComponent*) {}

void TComponent::Loaded() { FComponentState.Exclude(csLoading); }

void TComponent::ReadState(TReader* reader) { reader->ReadData(this); }

void TComponent::WriteState(TWriter* writer) { writer->WriteData(this); }

void TComponent::DefineProperties(TFiler* filer) {
  // The design position travels as Left and Top words, as the classic format
  // stores it, written only where it differs from the ancestor's.
  int32_t ancestorInfo = 0;
  if (auto* ancestor = dynamic_cast<TComponent*>(filer->Ancestor()))
    ancestorInfo = ancestor->FDesignInfo;
  auto low = [](int32_t v) { return static_cast<int32_t>(static_cast<uint32_t>(v) & 0xFFFF); };
  auto high = [](int32_t v) { return static_cast<int32_t>(static_cast<uint32_t>(v) >> 16); };
  auto compose = [](int32_t lo, int32_t hi) {
    return static_cast<int32_t>((static_cast<uint32_t>(hi) << 16) | (static_cast<uint32_t>(lo) & 0xFFFF));
  };
  filer->DefineProperty(
      "Left", [this, compose, high](TReader& r) { FDesignInfo = compose(r.ReadInteger(), high(FDesignInfo)); },
      [this, low](TWriter& w) { w.WriteInteger(low(FDesignInfo)); },
      low(FDesignInfo) != low(ancestorInfo));
  filer->DefineProperty(
      "Top", [this, compose, low](TReader& r) { FDesignInfo = compose(low(FDesignInfo), r.ReadInteger()); },
      [this, high](TWriter& w) { w.WriteInteger(high(FDesignInfo)); },
      high(FDesignInfo) != high(ancestorInfo));
}

TComponent* CreateComponent(TComponentClass cls, TComponent* owner) {
  if (!cls->InheritsFrom(TComponent::StaticClass()))
    ThrowInvalidCast(cls->ClassName(), "TComponent");
  return static_cast<TComponent*>(cls->Create(owner));
}

namespace {
std::function<TComponent*(const std::string&)>& GlobalComponentFinder() {
  static std::function<TComponent*(const std::string&)> finder;
  return finder;
}
}  // namespace

TComponent* FindGlobalComponent(const std::string& name) {
  auto& finder = GlobalComponentFinder();
  return finder ? finder(name) : nullptr;
}

void RegisterFindGlobalComponentProc(std::function<TComponent*(const std::string& name)> proc) {
  GlobalComponentFinder() = std::move(proc);
}

TComponent* FindNestedComponent(TComponent* root, const std::string& namePath) {
  TComponent* result = root;
  size_t start = 0;
  while (result && start <= namePath.size()) {
    size_t dot = namePath.find('.', start);
    if (dot == std::string::npos) dot = namePath.size();
    std::string name = namePath.substr(start, dot - start);
    TComponent* found = result->FindComponent(name);
    if (!found && result == root) {
      if (SameText(name, "Owner") || (!root->Name().empty() && SameText(name, root->Name())))
        found = root;
      else if (start == 0 && dot < namePath.size())
        found = FindGlobalComponent(name);
    }
    result = found;
    start = dot + 1;
  }
  return result;
}
