#pragma once
// TCollection and TCollectionItem: an owned, ordered list of items of one
// class, streamed as the classic `< item ... end >` list. The collection owns
// its items; an item removes itself from its collection when freed.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/classes/Persistent.h"

class TCollection;

enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

class TCollectionItem : public TPersistent {
  MORVANE_CLASS(TCollectionItem, TPersistent)

 public:
  using TConstructorArg = TCollection*;

  explicit TCollectionItem(TCollection* collection);
  ~TCollectionItem() override;

  TCollection* Collection() const { return FCollection; }
  // Moves the item to another collection (nullptr: none).
  void SetCollection(TCollection* collection);
  int32_t ID() const { return FID; }
  // The position in the collection; -1 without one.
  int32_t Index() const;
  virtual void SetIndex(int32_t value);
  // What the designer shows for the item; the class name unless overridden.
  virtual std::string DisplayName() const;
  virtual void SetDisplayName(const std::string& value);

  // "Owner.Prop[i]" below the collection's path.
  std::string GetNamePath() const override;
  TPersistent* GetOwner() const override;

 protected:
  // Tells the collection that this item (or, allItems, every item) changed.
  void Changed(bool allItems);

 private:
  friend class TCollection;
  TCollection* FCollection = nullptr;
  int32_t FID = 0;
};

class TCollection : public TPersistent {
  MORVANE_CLASS(TCollection, TPersistent)

 public:
  explicit TCollection(TClass itemClass);
  ~TCollection() override;

  TClass ItemClass() const { return FItemClass; }
  int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
  // Raises EListError for an index out of range.
  TCollectionItem* Items(int32_t index) const;
  // Assigns value to the item at index.
  void SetItem(int32_t index, TCollectionItem* value);
  TCollectionItem* Add();
  TCollectionItem* Insert(int32_t index);
  void Delete(int32_t index);
  void Clear();
  TCollectionItem* FindItemID(int32_t id) const;

  // Changes inside BeginUpdate/EndUpdate are announced once, at the end.
  virtual void BeginUpdate();
  virtual void EndUpdate();
  int32_t UpdateCount() const { return FUpdateCount; }

  // Copies the items of another collection (through the items' Assign).
  void Assign(TPersistent* source) override;
  // "Owner.PropName" when the owner has a published property holding this
  // collection, else the class name.
  std::string GetNamePath() const override;
  // The published property of the owner that holds this collection; "" when none.
  std::string PropName() const;
  void SetPropName(const std::string& value) { FPropName = value; }

 protected:
  // Called after a change: item is the one that changed, nullptr for all.
  virtual void Update(TCollectionItem* item);
  virtual void Notify(TCollectionItem* item, TCollectionNotification action);
  void Changed();

 private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* item);
  void RemoveItem(TCollectionItem* item);

  TClass FItemClass;
  std::vector<TCollectionItem*> FItems;
  int32_t FUpdateCount = 0;
  int32_t FNextID = 0;
  mutable std::string FPropName;
};

// A collection that knows its owner, as most published collections do.
class TOwnedCollection : public TCollection {
  MORVANE_CLASS(TOwnedCollection, TCollection)

 public:
  TOwnedCollection(TPersistent* owner, TClass itemClass)
      : TCollection(itemClass), FOwner(owner) {}
  TPersistent* GetOwner() const override { return FOwner; }

 private:
  TPersistent* FOwner;
};
