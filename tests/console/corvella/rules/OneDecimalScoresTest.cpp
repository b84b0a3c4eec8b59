#include "console/corvella/rules/OneDecimalScores.h"
#include "console/common/rules/ScoreEntry.h"

#include <gtest/gtest.h>

namespace marivo::corvella {
namespace {

TEST(OneDecimalEntry, KeysShiftDigitsInFromTheRight) {
  struct TRow {
    const char* Text;
    int Value;
    const char* Expected;
  };
  const TRow rows[] = {
      {"0.0", 7, "0.7"},  {"0.7", 5, "7.5"},        {"7.5", 0, "5.0"},     {"", 4, "0.4"},
      {"  ", 4, "0.4"},   {"9.9", KeyClear, "0.0"}, {"", KeyClear, "0.0"}, {"3.2", KeyTen, "10.0"},
      {"10.0", 7, "0.7"}, {"8", 3, "8.3"},          {"5.", 2, "0.2"},      {"4.4", 20, "4.4"},
  };
  for (const TRow& row : rows)
    EXPECT_EQ(OneDecimalAfterKey(row.Text, row.Value), row.Expected)
        << "'" << row.Text << "' then " << row.Value;
}

TEST(ElementEntry, KeypadBuildsTwoDigitScores) {
  struct TRow {
    const char* Text;
    int Value;
    const char* Expected;
    bool Complete;
  };
  const TRow rows[] = {
      {"", 7, "7", false},          {"7", 5, "7.5", true},  {"", KeyTen, "10.0", true},
      {"7", KeyTen, "10.0", true},  {"7.5", 3, "3", false}, {"10.0", 9, "9", false},
      {"8.1", KeyClear, "", false}, {"4", 0, "4.0", true},  {"", 0, "0", false},
  };
  for (const TRow& row : rows) {
    const TElementStep step = ElementAfterKeypad(row.Text, row.Value);
    EXPECT_EQ(step.Text, row.Expected) << "'" << row.Text << "' then " << row.Value;
    EXPECT_EQ(step.Complete, row.Complete) << "'" << row.Text << "' then " << row.Value;
  }
}

TEST(ElementEntry, KeyUpMakesTensAndPointsAndChecksWhatWasTyped) {
  constexpr unsigned Backspace = 0x08, Enter = 0x0D, Shift = 0x10, Plus = 0xBB, Digit7 = '7';
  struct TRow {
    const char* Text;
    unsigned Key;
    const char* Expected;
    TKeyUpAction Action;
  };
  const TRow rows[] = {
      {"+", Plus, "10.0", TKeyUpAction::Validate},  {"7-", 0xBD, "10.0", TKeyUpAction::Validate},
      {"=", Plus, "10.0", TKeyUpAction::Validate},  {"75", Digit7, "7.5", TKeyUpAction::Validate},
      {"7", Digit7, "7", TKeyUpAction::Validate},   {"7.5", Digit7, "7.5", TKeyUpAction::Validate},
      {"", Backspace, "", TKeyUpAction::SelectAll}, {"", Digit7, "", TKeyUpAction::SelectAll},
      {"75", Backspace, "75", TKeyUpAction::None},  {"75", Shift, "75", TKeyUpAction::None},
      {"75", Enter, "75", TKeyUpAction::None},
  };
  for (const TRow& row : rows) {
    const TElementKeyUp result = ElementAfterKeyUp(row.Text, row.Key);
    EXPECT_EQ(result.Text, row.Expected) << "'" << row.Text << "' key " << row.Key;
    EXPECT_EQ(result.Action, row.Action) << "'" << row.Text << "' key " << row.Key;
  }
}

TEST(ElementEntry, OnlyScoresUpToTenAreValidWhateverTheLocale) {
  struct TRow {
    const char* Text;
    TElementState State;
    const char* Text_;
  };
  const TRow rows[] = {
      {"", TElementState::Blank, ""},
      {"   ", TElementState::Blank, ""},
      {"7.5", TElementState::Valid, "7.5"},
      {" 7.5 ", TElementState::Valid, "7.5"},
      {"10.0", TElementState::Valid, "10.0"},
      {"10", TElementState::Valid, "10"},
      {"0", TElementState::Valid, "0"},
      {".5", TElementState::Valid, ".5"},
      {"7.", TElementState::Valid, "7."},
      {"10.5", TElementState::Invalid, "10.5"},
      {"10.01", TElementState::Invalid, "10.01"},
      {"1e1", TElementState::Invalid, "1e1"},
      {"7,5", TElementState::Invalid, "7,5"},
      {"-1", TElementState::Invalid, "-1"},
      {"x", TElementState::Invalid, "x"},
      {".", TElementState::Invalid, "."},
      {"7 5", TElementState::Invalid, "7 5"},
      {"0x1", TElementState::Invalid, "0x1"},
  };
  for (const TRow& row : rows) {
    const TElementCheck check = CheckElementScore(row.Text);
    EXPECT_EQ(check.State, row.State) << "'" << row.Text << "'";
    EXPECT_EQ(check.Text, row.Text_) << "'" << row.Text << "'";
  }
}

} // namespace
} // namespace marivo::corvella
