#include "console/tessaline/rules/DifficultyDecisions.h"

#include <gtest/gtest.h>

#include <string>

namespace marivo {
namespace {

// Flags written as five characters, Pass Fail Rev RevP RevF.
TDecisionFlags Flags(const std::string& text) {
  TDecisionFlags flags;
  for (int i = 0; i < DecisionCount; ++i)
    flags[static_cast<std::size_t>(i)] = text.substr(static_cast<std::size_t>(i), 1);
  return flags;
}

std::string Text(const TDecisionFlags& flags) {
  std::string text;
  for (const std::string& flag : flags)
    text += flag;
  return text;
}

TEST(DifficultyDecisions, EachTouchSetsOrClearsAndExcludesWhatItContradicts) {
  const struct {
    const char* Before;
    TDecision Touched;
    const char* After;
    TDDSource DD;
  } cases[] = {
      {"00000", dcPass, "10000", TDDSource::Declared},
      {"10000", dcPass, "00000", TDDSource::Declared},
      {"01111", dcPass, "10000", TDDSource::Declared},
      {"00110", dcPass, "10000", TDDSource::Declared},
      {"00000", dcFail, "01000", TDDSource::OnFailure},
      {"01000", dcFail, "00000", TDDSource::OnFailure},
      {"10101", dcFail, "01000", TDDSource::OnFailure},
      {"11000", dcRev, "00100", TDDSource::Declared},
      {"00001", dcRev, "00101", TDDSource::OnFailure},
      {"00011", dcRev, "00111", TDDSource::Declared},
      {"00111", dcRev, "00000", TDDSource::Unchanged},
      {"01000", dcRevP, "01010", TDDSource::Declared},
      {"10001", dcRevP, "00110", TDDSource::Declared},
      {"00010", dcRevP, "00000", TDDSource::Unchanged},
      {"10000", dcRevF, "10001", TDDSource::OnFailure},
      {"01010", dcRevF, "00101", TDDSource::OnFailure},
      {"10001", dcRevF, "10000", TDDSource::Unchanged},
      // Cells the server filled with something else read as not set.
      {"x0000", dcPass, "10000", TDDSource::Declared},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.Before) + " touched " + std::to_string(c.Touched));
    const TToggledDecision result = ToggleDecision(Flags(c.Before), c.Touched);
    EXPECT_EQ(Text(result.Flags), c.After);
    EXPECT_EQ(result.DD, c.DD);
  }
}

TEST(DifficultyDecisions, NoTouchFromAnyStateLeavesAContradiction) {
  for (int state = 0; state < 32; ++state) {
    std::string before;
    for (int bit = 0; bit < DecisionCount; ++bit)
      before += (state >> bit) & 1 ? "1" : "0";
    for (TDecision touched : {dcPass, dcFail, dcRev, dcRevP, dcRevF}) {
      SCOPED_TRACE(before + " touched " + std::to_string(touched));
      const std::string after = Text(ToggleDecision(Flags(before), touched).Flags);
      EXPECT_EQ(after.find_first_not_of("01"), std::string::npos);
      const bool setNow = after[touched] == '1';
      EXPECT_NE(setNow, before[touched] == '1') << "the touched decision flips";
      const bool consistent = !(before[dcPass] == '1' && before[dcFail] == '1') &&
                              !(before[dcRevP] == '1' && before[dcRevF] == '1');
      if (setNow && consistent) {
        EXPECT_FALSE(after[dcPass] == '1' && after[dcFail] == '1');
        EXPECT_FALSE(after[dcRevP] == '1' && after[dcRevF] == '1');
      } else if (!setNow) {
        for (int other = 0; other < DecisionCount; ++other) {
          if (other != touched && !(touched == dcRev && other > dcRev)) {
            EXPECT_EQ(after[other], before[other]) << "clearing touches only its own";
          }
        }
      }
    }
  }
}

TEST(DifficultyDecisions, TheSheetCarriesEveryRowAndTheState) {
  const std::vector<TDecisionRow> rows = {{Flags("10000"), "1.2"}, {Flags("00101"), "0.6"}};
  EXPECT_EQ(DecisionSheetPayload(14, rows, true), "14\x11"
                                                  "10000\x12"
                                                  "1.2\x12"
                                                  "00101\x12"
                                                  "0.6\x12"
                                                  "Working\x13");
  EXPECT_EQ(DecisionSheetPayload(16, {}, false), "16\x11"
                                                 "Done\x13");
}

} // namespace
} // namespace marivo
