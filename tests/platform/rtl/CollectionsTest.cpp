#include "platform/rtl/Collections.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "tests/platform/rtl/Probes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace marivo {
namespace {

using test::TScoreItem;
using test::TScores;

std::vector<int> ScoresOf(const TScores& scores) {
  std::vector<int> result;
  for (int i = 0; i < scores.Count(); ++i)
    result.push_back(scores.Item(i)->Score());
  return result;
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
