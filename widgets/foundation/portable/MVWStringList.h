#pragma once

#include "platform/rtl/StringList.h"
#include "widgets/foundation/portable/MVWCustomContainer.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace marivo {

class TMVWStringListItem : public TMVWListItem {
public:
  explicit TMVWStringListItem(TComponent* owner) : TMVWListItem(owner) {}

  TStringList& Items() { return Items_; }
  void SetItems(const TStrings& value);

  void Clear() override { Items_.Clear(); }
  bool IsEmpty() const override { return Items_.Count() == 0; }
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;
  std::uint8_t GetFlags() const override;
  void Assign(const TPersistent& source) override;

private:
  TStringList Items_;
};

class TMVWStringList : public TMVWCustomContainer {
public:
  explicit TMVWStringList(TComponent* owner) : TMVWCustomContainer(owner) { SetListKind(3); }
  TMVWStringListItem* Item(int index) const override {
    return static_cast<TMVWStringListItem*>(TMVWCustomContainer::Item(index));
  }

protected:
  TMVWListItem* NewItem() override { return new TMVWStringListItem(this); }
  bool Accepts(const TMVWCustomContainer& source) const override {
    return dynamic_cast<const TMVWStringList*>(&source) != nullptr;
  }
};

// Makes the list and its item known to form data.
void RegisterMVWStringList();

} // namespace marivo
