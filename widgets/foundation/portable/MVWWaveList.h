#pragma once

#include "widgets/foundation/portable/MVWCustomContainer.h"
#include "widgets/foundation/portable/MVWCustomWave.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace marivo {

class TMVWWaveListItem : public TMVWListItem {
public:
  explicit TMVWWaveListItem(TComponent* owner);

  TMVWCustomWave& Wave() { return *Wave_; }
  void SetWave(const TMVWCustomWave& value) { Wave_->Assign(value); }

  void Clear() override { Wave_->Clear(); }
  bool IsEmpty() const override { return Wave_->IsEmpty(); }
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;
  std::uint8_t GetFlags() const override;
  void Assign(const TPersistent& source) override;

  // The wave of the items made from now on; the platform side plays sound.
  static void SetWaveFactory(std::function<std::unique_ptr<TMVWCustomWave>()> factory);

private:
  std::unique_ptr<TMVWCustomWave> Wave_;
};

class TMVWWaveList : public TMVWCustomContainer {
public:
  explicit TMVWWaveList(TComponent* owner) : TMVWCustomContainer(owner) { SetListKind(2); }
  TMVWWaveListItem* Item(int index) const override {
    return static_cast<TMVWWaveListItem*>(TMVWCustomContainer::Item(index));
  }

protected:
  TMVWListItem* NewItem() override { return new TMVWWaveListItem(this); }
  bool Accepts(const TMVWCustomContainer& source) const override {
    return dynamic_cast<const TMVWWaveList*>(&source) != nullptr;
  }
};

// Makes the list and its item known to form data.
void RegisterMVWWaveList();

} // namespace marivo
