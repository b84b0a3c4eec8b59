#include "console/common/protocol/RoleCodes.h"

#include "console/common/protocol/Protocol.h"
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace marivo {
namespace {

struct TRoleCase {
  std::string Code;
  std::optional<int> Index;
};

TEST(RoleCodesTest, LookupIsExactAndNeverFindsServer) {
  const std::vector<TRoleCase> cases = {
      {"J1  ", 0},   {"J5  ", 4},  {"J6  ", 5},
      {"J10 ", 9},   {"J11 ", 10}, {"J13 ", 12},
      {"J14 ", 13},  {"J16 ", 15}, {"TIME", 16},
      {"HJ  ", 17},  {"HJ2 ", 18}, {"DTC ", 19},
      {"ZEL ", {}},  {"j1  ", {}}, {"J1", {}},
      {"J1   ", {}}, {" J1 ", {}}, {"", {}},
      {"time", {}},  {"J17 ", {}}, {std::string("J1 \0", 4), {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FindRoleIndex(c.Code), c.Index) << "'" << c.Code << "'";
    EXPECT_EQ(RoleJudgeNumber(c.Code), c.Index.value_or(0) + 1) << "'" << c.Code << "'";
  }
}

TEST(RoleCodesTest, EveryRoleHasTheKindOfItsGroupAndItsNumberInIt) {
  using enum TRoleKind;
  const struct {
    int First;
    int Last;
    TRoleKind Kind;
  } groups[] = {
      {0, 4, ElementJudge},           {5, 9, ImpressionJudge}, {10, 12, SynchronizationController},
      {13, 15, DifficultyController}, {16, 16, TimeKeeper},    {17, 18, Referee},
      {19, 19, TechnicalController}};
  for (const auto& group : groups) {
    for (int index = group.First; index <= group.Last; ++index) {
      EXPECT_EQ(RoleKind(index), group.Kind) << index;
      EXPECT_EQ(NumberInKind(index), index - group.First + 1) << index;
    }
  }
  EXPECT_EQ(RoleKind(ServerRoleIndex), std::nullopt);
}

TEST(RoleCodesTest, LastMatchWinsWithinGivenRoles) {
  const std::vector<std::string_view> roles = {"J1  ", "J2  ", "J1  ", "J3  "};
  EXPECT_EQ(FindRoleIndex("J1  ", roles), 2);
  EXPECT_EQ(RoleJudgeNumber("J1  ", roles), 3);
  EXPECT_EQ(FindRoleIndex("J3  ", roles), 3);
  EXPECT_EQ(FindRoleIndex("J4  ", roles), std::nullopt);
  EXPECT_EQ(RoleJudgeNumber("J4  ", roles), 1);

  const auto firstSeventeen = std::span(RoleCodes).first(17);
  EXPECT_EQ(FindRoleIndex("TIME", firstSeventeen), 16);
  EXPECT_EQ(FindRoleIndex("HJ  ", firstSeventeen), std::nullopt);
}

TEST(RoleCodesTest, EveryRoleCodeFillsTheHeaderAndReadsBack) {
  for (int i = 0; i <= ServerRoleIndex; ++i) {
    for (std::string_view discipline : DisciplineCodes) {
      const TFrame frame = SplitFrame(BuildFrame("SD", discipline, RoleCodes[i], "x"));
      EXPECT_EQ(frame.Header.size(), 10u) << i;
      EXPECT_EQ(frame.Role, RoleCodes[i]) << i;
      if (i < RoleCount)
        EXPECT_EQ(RoleJudgeNumber(frame.Role), i + 1) << i;
      else
        EXPECT_EQ(FindRoleIndex(frame.Role), std::nullopt);
    }
  }
}

TEST(RoleCodesTest, DisciplineLookupIsExact) {
  const std::vector<std::pair<std::string, std::optional<int>>> cases = {
      {"FREE", 0}, {"TECH", 1}, {"free", {}}, {"FREE ", {}}, {" TECH", {}}, {"", {}}, {"FRE", {}},
  };
  for (const auto& [code, index] : cases)
    EXPECT_EQ(FindDisciplineIndex(code), index) << code;
}

} // namespace
} // namespace marivo
