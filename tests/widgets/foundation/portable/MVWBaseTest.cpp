#include "widgets/foundation/portable/MVWBase.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <type_traits>
#include <vector>

namespace marivo {
namespace {

// The same contract holds for sub-objects and components.
template <class T> class MVWBaseTest : public ::testing::Test {};
using TBases = ::testing::Types<TMVWObject, TMVWCustomComponent>;
TYPED_TEST_SUITE(MVWBaseTest, TBases);

template <class T> std::unique_ptr<T> Make() {
  if constexpr (std::is_same_v<T, TMVWObject>)
    return std::make_unique<T>();
  else
    return std::make_unique<T>(nullptr);
}

TYPED_TEST(MVWBaseTest, UpdateLockHoldsChangesBack) {
  auto object = Make<TypeParam>();
  std::vector<TObject*> senders;
  object->OnChange = [&](TObject* sender) { senders.push_back(sender); };

  object->BeginUpdate();
  object->Change();
  object->Change();
  object->EndUpdate(false);
  EXPECT_TRUE(senders.empty());

  object->BeginUpdate();
  object->Change();
  object->EndUpdate(true);
  ASSERT_EQ(senders.size(), 1u);
  EXPECT_EQ(senders[0], object.get());

  // A flag, not a counter: one EndUpdate releases two BeginUpdate calls.
  object->BeginUpdate();
  object->BeginUpdate();
  object->EndUpdate(false);
  EXPECT_FALSE(object->Locked());
  object->Change();
  EXPECT_EQ(senders.size(), 2u);
}

TYPED_TEST(MVWBaseTest, ChangesWithoutHandlerAreSilent) {
  auto object = Make<TypeParam>();
  object->Change();
  object->EndUpdate(true);
  SUCCEED();
}

TYPED_TEST(MVWBaseTest, GuardReleasesTheLockWhenALoadRaises) {
  auto object = Make<TypeParam>();
  int changes = 0;
  object->OnChange = [&](TObject*) { ++changes; };
  try {
    TMVWUpdateGuard<TypeParam> guard(*object);
    object->Change();
    throw std::runtime_error("corrupt data");
  } catch (const std::runtime_error&) {
  }
  EXPECT_FALSE(object->Locked());
  EXPECT_EQ(changes, 0);
  {
    TMVWUpdateGuard<TypeParam> guard(*object);
    object->Change();
    guard.Release(true);
  }
  EXPECT_EQ(changes, 1);
}

TEST(MVWBase, OwnedAndLinkedChangesReachTheOwner) {
  TMVWObject object;
  TMVWCustomComponent component(nullptr);
  int changes = 0;
  object.OnChange = [&](TObject*) { ++changes; };
  component.OnChange = [&](TObject*) { ++changes; };
  object.SubObjectChanged(&component);
  component.ContainerChanged(&object);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(object.DescribeSettings(), "");
  component.SetAbout("about");
  EXPECT_EQ(component.About(), "about");
}

} // namespace
} // namespace marivo
