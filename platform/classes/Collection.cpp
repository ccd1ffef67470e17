#include "platform/classes/Collection.h"

#include <algorithm>

#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"
#include "platform/rtti/TypInfo.h"

TCollectionItem::TCollectionItem(TCollection* collection) { SetCollection(collection); }

TCollectionItem::~TCollectionItem() {
  // Freed while still in a collection (Delete frees items this way).
  if (FCollection) {
    FCollection->Notify(this, cnDeleting);
    FCollection->RemoveItem(this);
  }
}

void TCollectionItem::SetCollection(TCollection* collection) {
  if (collection == FCollection) return;
  if (FCollection) FCollection->RemoveItem(this);
  if (collection) collection->InsertItem(this);
}

int32_t TCollectionItem::Index() const {
  if (!FCollection) return -1;
  auto& items = FCollection->FItems;
  return static_cast<int32_t>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int32_t value) {
  int32_t current = Index();
  if (current < 0 || value == current) return;
  auto& items = FCollection->FItems;
  if (value < 0 || value >= static_cast<int32_t>(items.size()))
    throw EListError(Format("List index out of bounds (%d)", {value}));
  items.erase(items.begin() + current);
  items.insert(items.begin() + value, this);
  Changed(true);
}

std::string TCollectionItem::DisplayName() const { return ClassName(); }

void TCollectionItem::SetDisplayName(const std::string&) { Changed(false); }

std::string TCollectionItem::GetNamePath() const {
  if (!FCollection) return ClassName();
  return FCollection->GetNamePath() + "[" + IntToStr(Index()) + "]";
}

TPersistent* TCollectionItem::GetOwner() const { return FCollection; }

void TCollectionItem::Changed(bool allItems) {
  if (FCollection && FCollection->FUpdateCount == 0) FCollection->Update(allItems ? nullptr : this);
}

TCollection::TCollection(TClass itemClass) : FItemClass(itemClass) {
  if (!itemClass || !itemClass->InheritsFrom(TCollectionItem::StaticClass()))
    throw EInvalidCast("A collection's item class must be a TCollectionItem");
}

TCollection::~TCollection() {
  FUpdateCount = 1;  // no Update calls while tearing down
  while (!FItems.empty()) delete FItems.back();
}

TCollectionItem* TCollection::Items(int32_t index) const {
  if (index < 0 || index >= Count()) throw EListError(Format("List index out of bounds (%d)", {index}));
  return FItems[static_cast<size_t>(index)];
}

void TCollection::SetItem(int32_t index, TCollectionItem* value) { Items(index)->Assign(value); }

TCollectionItem* TCollection::Add() {
  auto* item = static_cast<TCollectionItem*>(FItemClass->Create(this));
  Notify(item, cnAdded);
  return item;
}

TCollectionItem* TCollection::Insert(int32_t index) {
  TCollectionItem* item = Add();
  item->SetIndex(index);
  return item;
}

void TCollection::Delete(int32_t index) { delete Items(index); }

void TCollection::Clear() {
  if (FItems.empty()) return;
  BeginUpdate();
  try {
    while (!FItems.empty()) delete FItems.back();
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

TCollectionItem* TCollection::FindItemID(int32_t id) const {
  for (TCollectionItem* item : FItems)
    if (item->FID == id) return item;
  return nullptr;
}

void TCollection::BeginUpdate() { ++FUpdateCount; }

void TCollection::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) Changed();
}

void TCollection::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TCollection*>(source);
  if (!other) {
    TPersistent::Assign(source);
    return;
  }
  BeginUpdate();
  try {
    Clear();
    for (TCollectionItem* item : other->FItems) Add()->Assign(item);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

std::string TCollection::PropName() const {
  TPersistent* owner = GetOwner();
  if (!owner || !FPropName.empty()) return FPropName;
  for (PPropInfo p : GetPropList(owner, TTypeKinds{tkClass})) {
    if (p->GetObject(owner) == this) {
      FPropName = p->Name;
      break;
    }
  }
  return FPropName;
}

std::string TCollection::GetNamePath() const {
  TPersistent* owner = GetOwner();
  if (!owner) return ClassName();
  std::string ownerPath = owner->GetNamePath();
  std::string prop = PropName();
  if (ownerPath.empty() || prop.empty()) return ClassName();
  return ownerPath + "." + prop;
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Notify(TCollectionItem*, TCollectionNotification) {}

void TCollection::Changed() {
  if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem* item) {
  FItems.push_back(item);
  item->FCollection = this;
  item->FID = FNextID++;
  Changed();
}

void TCollection::RemoveItem(TCollectionItem* item) {
  std::erase(FItems, item);
  item->FCollection = nullptr;
  Changed();
}
