#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "tests/platform/rtl/Probes.h"

#include <gtest/gtest.h>

namespace marivo {
namespace {

using test::TProbe;
using test::TScoreItem;
using test::TScores;
using test::TUnregisteredProbe;

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

} // namespace
} // namespace marivo
