#pragma once

#include "platform/rtl/Components.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace marivo {

class TCollection;

// One element of a TCollection; the collection owns it, and deleting it takes it out.
class TCollectionItem : public TPersistent {
public:
  TCollectionItem() = default;
  ~TCollectionItem() override;
  TCollectionItem(const TCollectionItem&) = delete;
  TCollectionItem& operator=(const TCollectionItem&) = delete;

  TCollection* Collection() const { return Collection_; }
  int Index() const; // -1 outside a collection
  // Moves the item; EListError when index is out of bounds.
  void SetIndex(int index);
  // Unique in its collection and increasing in the order items were made.
  int ID() const { return ID_; }
  virtual std::string DisplayName() const { return ClassName(); }

protected:
  // For setters: the collection's Update gets this item, or nullptr when allItems.
  void Changed(bool allItems);

private:
  friend class TCollection;
  TCollection* Collection_ = nullptr;
  int ID_ = 0;
};

using TCollectionItemFactory = std::function<std::unique_ptr<TCollectionItem>()>;

// An owned, ordered list of items of one class, made by the factory given at construction.
// Index errors raise EListError "List index out of bounds (n)".
class TCollection : public TPersistent {
public:
  TCollection(TPersistent* owner, TCollectionItemFactory itemFactory);
  ~TCollection() override;
  TCollection(const TCollection&) = delete;
  TCollection& operator=(const TCollection&) = delete;

  TPersistent* Owner() const { return Owner_; }
  int Count() const { return static_cast<int>(Items_.size()); }
  TCollectionItem* Items(int index) const;
  TCollectionItem* Add();
  TCollectionItem* Insert(int index);
  void Delete(int index);
  void Clear();
  // Changes between these reach Update once, as Update(nullptr), when the outermost ends.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return UpdateCount_; }
  // Copies the items of another collection through the items' Assign.
  void Assign(const TPersistent& source) override;

protected:
  // Called after each change: the changed item, or nullptr when the whole collection changed.
  virtual void Update(TCollectionItem*) {}

private:
  friend class TCollectionItem;
  void Changed(TCollectionItem* item);
  void CheckIndex(int index) const;

  TPersistent* Owner_;
  TCollectionItemFactory ItemFactory_;
  std::vector<TCollectionItem*> Items_;
  int NextID_ = 0;
  int UpdateCount_ = 0;
  bool ChangedWhileUpdating_ = false;
};

} // namespace marivo
