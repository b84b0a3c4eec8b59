#include "platform/rtl/Collections.h"

#include "platform/rtl/Exceptions.h"

#include <algorithm>
#include <utility>

namespace marivo {

namespace {

// Ends the update even when the body throws, so Update is never left blocked.
class TUpdateGuard {
public:
  explicit TUpdateGuard(TCollection& collection) : Collection_(collection) {
    Collection_.BeginUpdate();
  }
  ~TUpdateGuard() { Collection_.EndUpdate(); }
  TUpdateGuard(const TUpdateGuard&) = delete;
  TUpdateGuard& operator=(const TUpdateGuard&) = delete;

private:
  TCollection& Collection_;
};

} // namespace

TCollectionItem::~TCollectionItem() {
  if (Collection_ == nullptr)
    return;
  auto& items = Collection_->Items_;
  items.erase(std::remove(items.begin(), items.end(), this), items.end());
  Collection_->Changed(nullptr);
}

int TCollectionItem::Index() const {
  if (Collection_ == nullptr)
    return -1;
  const auto& items = Collection_->Items_;
  return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int index) {
  if (Collection_ == nullptr)
    return;
  const int current = Index();
  if (index == current)
    return;
  Collection_->CheckIndex(index);
  auto& items = Collection_->Items_;
  items.erase(items.begin() + current);
  items.insert(items.begin() + index, this);
  Changed(true);
}

void TCollectionItem::Changed(bool allItems) {
  if (Collection_ != nullptr)
    Collection_->Changed(allItems ? nullptr : this);
}

TCollection::TCollection(TPersistent* owner, TCollectionItemFactory itemFactory)
    : Owner_(owner), ItemFactory_(std::move(itemFactory)) {}

TCollection::~TCollection() {
  UpdateCount_ = 1;
  for (TCollectionItem* item : Items_) {
    item->Collection_ = nullptr;
    delete item;
  }
}

TCollectionItem* TCollection::Items(int index) const {
  CheckIndex(index);
  return Items_[static_cast<std::size_t>(index)];
}

TCollectionItem* TCollection::Add() {
  return Insert(Count());
}

TCollectionItem* TCollection::Insert(int index) {
  if (index != Count())
    CheckIndex(index);
  std::unique_ptr<TCollectionItem> item = ItemFactory_ ? ItemFactory_() : nullptr;
  if (item == nullptr)
    throw EInvalidOperation("The collection cannot make items");
  if (item->Collection_ != nullptr)
    throw EInvalidOperation("A collection item cannot belong to two collections");
  item->Collection_ = this;
  item->ID_ = NextID_++;
  Items_.insert(Items_.begin() + index, item.get());
  Changed(nullptr);
  return item.release();
}

void TCollection::Delete(int index) {
  CheckIndex(index);
  delete Items_[static_cast<std::size_t>(index)];
}

void TCollection::Clear() {
  if (Items_.empty())
    return;
  TUpdateGuard guard(*this);
  while (!Items_.empty())
    delete Items_.back();
}

void TCollection::BeginUpdate() {
  ++UpdateCount_;
}

void TCollection::EndUpdate() {
  if (UpdateCount_ == 0)
    return;
  if (--UpdateCount_ == 0 && ChangedWhileUpdating_) {
    ChangedWhileUpdating_ = false;
    Update(nullptr);
  }
}

void TCollection::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TCollection*>(&source);
  if (other == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  if (other == this)
    return;
  TUpdateGuard guard(*this);
  Clear();
  for (const TCollectionItem* item : other->Items_)
    Add()->Assign(*item);
}

void TCollection::Changed(TCollectionItem* item) {
  if (UpdateCount_ > 0)
    ChangedWhileUpdating_ = true;
  else
    Update(item);
}

void TCollection::CheckIndex(int index) const {
  if (index < 0 || index >= Count())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

} // namespace marivo
