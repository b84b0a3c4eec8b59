#include "widgets/foundation/portable/MVWStringList.h"
#include "widgets/foundation/portable/MVWWaveList.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormLoader.h"
#include "platform/rtl/Streams.h"
#include "tests/support/Bytes.h"
#include "widgets/foundation/portable/MVWStreamUtils.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace marivo {
namespace {

using namespace marivo::test;

TEST(MVWChangeLinks, EveryChangeReachesTheLinksInOrderAlsoWhileLocked) {
  std::vector<std::string> calls;
  TMVWStringList list(nullptr);
  list.OnChange = [&](TObject* sender) { calls.push_back(sender == &list ? "own" : "other"); };
  TMVWChangeLink first, second;
  first.OnChange = [&](TObject* sender) { calls.push_back(sender == &list ? "first" : "?"); };
  second.OnChange = [&](TObject*) { calls.push_back("second"); };
  list.AddChangeLink(&first);
  list.AddChangeLink(&second);
  EXPECT_EQ(first.Sender(), &list);
  list.AddItem();
  EXPECT_EQ(calls, (std::vector<std::string>{"first", "second", "own"}));
  calls.clear();
  list.BeginUpdate();
  list.AddItem();
  list.Clear();
  EXPECT_EQ(calls, (std::vector<std::string>{"first", "second", "first", "second"}));
  calls.clear();
  list.EndUpdate(true);
  EXPECT_EQ(calls, (std::vector<std::string>{"first", "second", "own"}));

  // Unlinking twice, or a link never registered, is harmless.
  TMVWChangeLink stranger;
  list.RemoveChangeLink(&stranger);
  list.RemoveChangeLink(&first);
  list.RemoveChangeLink(&first);
  EXPECT_EQ(first.Sender(), nullptr);
  EXPECT_EQ(list.LinkCount(), 1);
  calls.clear();
  list.Clear();
  EXPECT_EQ(calls, (std::vector<std::string>{"second", "own"}));
}

TEST(MVWChangeLinks, EitherSideMayGoFirst) {
  TMVWChangeLink survivor;
  {
    TMVWWaveList list(nullptr);
    list.AddChangeLink(&survivor);
    {
      TMVWChangeLink shortLived;
      list.AddChangeLink(&shortLived);
      EXPECT_EQ(list.LinkCount(), 2);
    }
    EXPECT_EQ(list.LinkCount(), 1);
  }
  EXPECT_EQ(survivor.Sender(), nullptr);
  survivor.Change(); // with no sender and no handler, nothing happens
}

} // namespace
} // namespace marivo
