#include "console/corvella/rules/CorvellaRoles.h"

#include <gtest/gtest.h>

namespace marivo::corvella {
namespace {

TEST(CorvellaRoles, CodesCaptionsLabelsAndSenders) {
  struct TRow {
    int Index;
    const char* Code;
    const char* Free;
    const char* Technical;
    const char* Label; // free / technical when they differ, "" for none
    const char* TechnicalLabel;
    TRoleKind Kind;
  };
  using enum TRoleKind;
  const TRow rows[] = {
      {0, "J1  ", "Judge 1 (Execution)", "Judge 1 (Execution)", "EXEC: 1", "EXEC: 1",
       ExecutionJudge},
      {4, "J5  ", "Judge 5 (Execution)", "Judge 5 (Execution)", "EXEC: 5", "EXEC: 5",
       ExecutionJudge},
      {5, "J6  ", "Judge 1 (Art. Impression)", "Judge 1 (Impression)", "A/I: 1", "IMP: 1",
       ImpressionJudge},
      {9, "J10 ", "Judge 5 (Art. Impression)", "Judge 5 (Impression)", "A/I: 5", "IMP: 5",
       ImpressionJudge},
      {10, "J11 ", "Judge 1 (Difficulty)", "Judge 1 (Elements)", "DIFF: 1", "ELEM: 1",
       DifficultyJudge},
      {14, "J15 ", "Judge 5 (Difficulty)", "Judge 5 (Elements)", "DIFF: 5", "ELEM: 5",
       DifficultyJudge},
      {15, "TIME", "Timer", "Timer", "", "", TimeKeeper},
      {16, "HJ  ", "Head Judge", "Head Judge", "", "", Referee},
  };
  for (const TRow& row : rows) {
    EXPECT_EQ(RoleCodes[static_cast<std::size_t>(row.Index)], row.Code);
    EXPECT_EQ(RoleKind(row.Index), row.Kind);
    EXPECT_EQ(RoleCaption(row.Index, false), row.Free);
    EXPECT_EQ(RoleCaption(row.Index, true), row.Technical);
    EXPECT_EQ(JudgeLabel(row.Index, false).value_or(""), row.Label);
    EXPECT_EQ(JudgeLabel(row.Index, true).value_or(""), row.TechnicalLabel);
    EXPECT_EQ(SenderNumber(row.Code), row.Index + 1);
  }
  EXPECT_EQ(SenderNumber("ZEL "), 0) << "the server is nobody's judge";
  EXPECT_EQ(SenderNumber("J16 "), 0);
  EXPECT_EQ(SenderNumber("j1  "), 0) << "role codes compare exactly";
}

} // namespace
} // namespace marivo::corvella
