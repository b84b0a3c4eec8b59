#pragma once

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Collections.h"
#include "platform/rtl/Components.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace marivo::test {

// A component that logs its end and what it hears, and a collection of scores, known to the
// class registry as the tests of components, the registry and collections expect.
class TProbe : public TComponent {
public:
  TProbe(TComponent* owner, const std::string& name, std::vector<std::string>* log = nullptr)
      : TComponent(nullptr), Log_(log) {
    SetName(name);
    if (owner != nullptr)
      owner->InsertComponent(this);
  }
  ~TProbe() override {
    if (Log_ != nullptr)
      Log_->push_back(Name());
  }
  std::vector<std::pair<std::string, TOperation>> Heard;

protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    Heard.emplace_back(component->Name(), operation);
  }

private:
  std::vector<std::string>* Log_;
};

class TUnregisteredProbe : public TProbe {
public:
  using TProbe::TProbe;
};

class TScoreItem : public TCollectionItem {
public:
  int Score() const { return Score_; }
  void SetScore(int score) {
    if (score == Score_)
      return;
    Score_ = score;
    Changed(false);
  }
  void Assign(const TPersistent& source) override {
    if (const auto* item = dynamic_cast<const TScoreItem*>(&source))
      SetScore(item->Score());
    else
      TCollectionItem::Assign(source);
  }

private:
  int Score_ = 0;
};

class TScores : public TCollection {
public:
  TScores() : TCollection(nullptr, [] { return std::make_unique<TScoreItem>(); }) {}
  TScoreItem* Item(int index) const { return static_cast<TScoreItem*>(Items(index)); }
  std::vector<TCollectionItem*> Updates;

protected:
  void Update(TCollectionItem* item) override { Updates.push_back(item); }
};

// Registered once, before any test runs.
inline const bool Registered = [] {
  RegisterComponentClass<TProbe, TComponent>("TProbe");
  RegisterPersistentClass<TScoreItem, TCollectionItem>("TScoreItem");
  RegisterPersistentClass<TScores, TCollection>("TScores");
  RegisterClass("TLoopA", "TLoopB", nullptr);
  return true;
}();

} // namespace marivo::test
