#include "platform/rtl/Components.h"
#include "platform/rtl/Exceptions.h"
#include "tests/platform/rtl/Probes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace marivo {
namespace {

using test::TProbe;

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

} // namespace
} // namespace marivo
