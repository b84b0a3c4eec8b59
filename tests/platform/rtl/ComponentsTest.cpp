#include "platform/rtl/Components.h"
#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Collections.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace marivo {
namespace {

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

const bool Registered = [] {
  RegisterComponentClass<TProbe, TComponent>("TProbe");
  RegisterPersistentClass<TScoreItem, TCollectionItem>("TScoreItem");
  RegisterPersistentClass<TScores, TCollection>("TScores");
  RegisterClass("TLoopA", "TLoopB", nullptr);
  return true;
}();

std::vector<int> ScoresOf(const TScores& scores) {
  std::vector<int> result;
  for (int i = 0; i < scores.Count(); ++i)
    result.push_back(scores.Item(i)->Score());
  return result;
}

TEST(Ownership, OwnerFreesItsComponentsLastFirstAndDepthFirst) {
  std::vector<std::string> log;
  auto* owner = new TProbe(nullptr, "Owner", &log);
  new TProbe(owner, "A", &log);
  auto* b = new TProbe(owner, "B", &log);
  new TProbe(b, "B1", &log);
  new TProbe(owner, "C", &log);
  EXPECT_EQ(owner->ComponentCount(), 3);
  EXPECT_EQ(b->Owner(), owner);
  delete owner;
  EXPECT_EQ(log, (std::vector<std::string>{"Owner", "C", "B", "B1", "A"}));
}

TEST(Ownership, FreedComponentLeavesItsOwnerAndSiblingsHearOfIt) {
  TProbe owner(nullptr, "Owner");
  auto* a = new TProbe(&owner, "A");
  auto* b = new TProbe(&owner, "B");
  EXPECT_EQ(a->Heard.back(), (std::pair<std::string, TOperation>{"B", opInsert}));
  delete b;
  EXPECT_EQ(owner.ComponentCount(), 1);
  EXPECT_EQ(owner.Components(0), a);
  EXPECT_EQ(a->Heard.back(), (std::pair<std::string, TOperation>{"B", opRemove}));
  EXPECT_EQ(owner.Heard.back(), (std::pair<std::string, TOperation>{"B", opRemove}));
  EXPECT_THROW(owner.Components(1), EListError);
  try {
    owner.Components(-1);
  } catch (const EListError& error) {
    EXPECT_EQ(error.Message(), "List index out of bounds (-1)");
  }
}

TEST(Ownership, FreeNotificationReachesComponentsOfOtherOwners) {
  TProbe formA(nullptr, "FormA");
  TProbe formB(nullptr, "FormB");
  auto* watched = new TProbe(&formA, "Watched");
  auto* watcher = new TProbe(&formB, "Watcher");
  auto* dropped = new TProbe(&formB, "Dropped");
  watched->FreeNotification(watcher);
  watched->FreeNotification(dropped);
  watched->RemoveFreeNotification(dropped);
  EXPECT_NE(watched->ComponentState() & csFreeNotification, 0);
  delete watched;
  EXPECT_EQ(watcher->Heard.back(), (std::pair<std::string, TOperation>{"Watched", opRemove}));
  EXPECT_TRUE(dropped->Heard.empty() || dropped->Heard.back().first != "Watched");

  // The link runs both ways: a listener freed first is not told about anything later.
  auto* other = new TProbe(&formA, "Other");
  other->FreeNotification(watcher);
  delete watcher;
  EXPECT_EQ(other->ComponentState() & csFreeNotification, 0);
  delete other;
}

TEST(Ownership, FindComponentIsCaseInsensitiveAmongOwnedOnly) {
  TProbe owner(nullptr, "Owner");
  auto* button = new TProbe(&owner, "Button1");
  new TProbe(button, "Inner");
  EXPECT_EQ(owner.FindComponent("BUTTON1"), button);
  EXPECT_EQ(owner.FindComponent("Inner"), nullptr);
  EXPECT_EQ(owner.FindComponent("Missing"), nullptr);
  EXPECT_EQ(owner.FindComponent(""), nullptr);
}

TEST(Ownership, NamesMustBeValidIdentifiersUniqueInTheOwner) {
  TProbe owner(nullptr, "Owner");
  auto* button = new TProbe(&owner, "Button1");
  for (const char* bad : {"1st", "two words", "dash-ed", "dotted.name", "\xE9t\xE9"}) {
    SCOPED_TRACE(bad);
    try {
      button->SetName(bad);
      ADD_FAILURE() << "accepted";
    } catch (const EComponentError& error) {
      EXPECT_EQ(error.Message(), "'" + std::string(bad) + "' is not a valid component name");
    }
  }
  auto* other = new TProbe(&owner, "");
  try {
    other->SetName("BUTTON1");
    ADD_FAILURE() << "accepted a duplicate";
  } catch (const EComponentError& error) {
    EXPECT_EQ(error.Message(), "A component named BUTTON1 already exists");
  }
  new TProbe(&owner, "");
  button->SetName("button1");
  EXPECT_EQ(button->Name(), "button1");
  EXPECT_EQ(other->Name(), "");
}

TEST(Ownership, InsertComponentMovesBetweenOwnersAndRefusesCycles) {
  TProbe first(nullptr, "First");
  TProbe second(nullptr, "Second");
  auto* moved = new TProbe(&first, "Moved");
  new TProbe(&second, "Taken");
  second.InsertComponent(moved);
  EXPECT_EQ(first.ComponentCount(), 0);
  EXPECT_EQ(moved->Owner(), &second);
  EXPECT_THROW(moved->InsertComponent(&second), EComponentError);
  EXPECT_THROW(moved->InsertComponent(moved), EComponentError);
  auto* clash = new TProbe(&first, "taken");
  EXPECT_THROW(second.InsertComponent(clash), EComponentError);
  EXPECT_EQ(clash->Owner(), &first);
}

TEST(ClassNames, ComeFromTheRegistry) {
  TProbe probe(nullptr, "");
  TUnregisteredProbe unregistered(nullptr, "");
  TComponent component(nullptr);
  TStringList strings;
  TScores scores;
  EXPECT_EQ(probe.ClassName(), "TProbe");
  EXPECT_EQ(unregistered.ClassName(), "TProbe");
  EXPECT_EQ(component.ClassName(), "TComponent");
  EXPECT_EQ(strings.ClassName(), "TStringList");
  EXPECT_EQ(scores.ClassName(), "TScores");
  TScoreItem item;
  try {
    item.Assign(component);
    ADD_FAILURE() << "assigned";
  } catch (const EConvertError& error) {
    EXPECT_EQ(error.Message(), "Cannot assign a TComponent to a TScoreItem");
  }
}

TEST(ClassRegistry, FindsClassesTheirAncestorsAndProperties) {
  EXPECT_EQ(GetClass("tprobe"), &FindClass("TProbe"));
  EXPECT_EQ(GetClass("TNope"), nullptr);
  try {
    FindClass("TNope");
    ADD_FAILURE() << "found";
  } catch (const EClassNotFound& error) {
    EXPECT_EQ(error.Message(), "Class TNope not found");
  }
  const TClassInfo& probe = FindClass("TProbe");
  EXPECT_TRUE(probe.InheritsFrom("TPersistent"));
  EXPECT_FALSE(probe.InheritsFrom("TCollection"));
  EXPECT_FALSE(probe.CanCreate()) << "TProbe has no (owner) constructor";
  ASSERT_NE(probe.FindProperty("TAG"), nullptr);
  EXPECT_EQ(probe.FindProperty("Tag")->Kind, TPropertyKind::Integer);
  EXPECT_NE(FindClass("TStringList").FindProperty("Strings"), nullptr);

  TComponent owner(nullptr);
  TComponent* made = FindClass("TComponent").Create(&owner);
  EXPECT_EQ(made->Owner(), &owner);
  EXPECT_THROW(FindClass("TScores").Create(&owner), EComponentError);
}

TEST(ClassRegistry, RefusesDuplicatesAndLoops) {
  EXPECT_THROW(RegisterClass("tprobe", "TComponent", nullptr), EComponentError);
  EXPECT_THROW((RegisterPersistentClass<TScores, TCollection>("TOtherScores")), EComponentError);
  EXPECT_THROW(RegisterClass("TLoopB", "TLoopA", nullptr), EComponentError);
  EXPECT_EQ(GetClass("TLoopB"), nullptr);
}

TEST(Collections, AddInsertDeleteAndMoveKeepOrderAndIDs) {
  TScores scores;
  for (int score : {10, 20, 30})
    static_cast<TScoreItem*>(scores.Add())->SetScore(score);
  static_cast<TScoreItem*>(scores.Insert(0))->SetScore(5);
  EXPECT_EQ(ScoresOf(scores), (std::vector<int>{5, 10, 20, 30}));
  EXPECT_EQ(scores.Item(0)->ID(), 3);
  EXPECT_EQ(scores.Item(0)->Collection(), &scores);

  scores.Delete(1);
  scores.Item(2)->SetIndex(0);
  EXPECT_EQ(ScoresOf(scores), (std::vector<int>{30, 5, 20}));
  EXPECT_EQ(scores.Item(1)->Index(), 1);
  delete scores.Item(1);
  EXPECT_EQ(ScoresOf(scores), (std::vector<int>{30, 20}));
  EXPECT_EQ(scores.Add()->ID(), 4) << "IDs are never reused";
  EXPECT_EQ(scores.Item(0)->DisplayName(), "TScoreItem");

  const auto expectOutOfBounds = [](auto action, const std::string& message) {
    try {
      action();
      ADD_FAILURE() << "no error for " << message;
    } catch (const EListError& error) {
      EXPECT_EQ(error.Message(), message);
    }
  };
  expectOutOfBounds([&] { scores.Items(3); }, "List index out of bounds (3)");
  expectOutOfBounds([&] { scores.Delete(-1); }, "List index out of bounds (-1)");
  expectOutOfBounds([&] { scores.Insert(4); }, "List index out of bounds (4)");
  expectOutOfBounds([&] { scores.Item(0)->SetIndex(3); }, "List index out of bounds (3)");
  scores.Clear();
  EXPECT_EQ(scores.Count(), 0);
}

TEST(Collections, UpdateReportsChangesButWaitsForTheOutermostEndUpdate) {
  TScores scores;
  TCollectionItem* item = scores.Add();
  static_cast<TScoreItem*>(item)->SetScore(1);
  static_cast<TScoreItem*>(item)->SetScore(1);
  item->SetIndex(0);
  EXPECT_EQ(scores.Updates, (std::vector<TCollectionItem*>{nullptr, item}));

  scores.Updates.clear();
  scores.BeginUpdate();
  scores.BeginUpdate();
  scores.Add();
  static_cast<TScoreItem*>(item)->SetScore(2);
  scores.Delete(1);
  scores.EndUpdate();
  EXPECT_TRUE(scores.Updates.empty());
  scores.EndUpdate();
  EXPECT_EQ(scores.Updates, (std::vector<TCollectionItem*>{nullptr}));

  scores.Updates.clear();
  scores.BeginUpdate();
  scores.EndUpdate();
  EXPECT_TRUE(scores.Updates.empty()) << "nothing changed";
}

TEST(Collections, AssignCopiesItemsThroughTheirAssign) {
  TScores source;
  TScores target;
  for (int score : {7, 8})
    static_cast<TScoreItem*>(source.Add())->SetScore(score);
  target.Add();
  target.Updates.clear();
  target.Assign(source);
  EXPECT_EQ(ScoresOf(target), (std::vector<int>{7, 8}));
  EXPECT_EQ(target.Updates, (std::vector<TCollectionItem*>{nullptr}));
  TStringList strings;
  EXPECT_THROW(target.Assign(strings), EConvertError);
}

} // namespace
} // namespace marivo
