#include "console/tessaline/rules/DeclaredDifficulty.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/TextUtils.h"
#include "tests/support/CoachCardText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace marivo {
namespace {

// A small chart: Y is no declaration kind and prices S1 as well; AB shows that a longer family
// code is cut from the token from its last character on; 4 has two PD bonuses and a free PZ.
const std::string Chart =
    test::ChartText({{"T", {{"T5a", "1.000"}, {"T1", "0.200"}, {"T2", "0.300"}}},
                     {"C", {{"C2c+", "0.600"}, {"C2a+", "0.400"}, {"C0", "0"}}},
                     {"S", {{"S1", "0.500"}}},
                     {"Y", {{"S1", "0.250"}}},
                     {"AB", {{"B9", "0.900"}}}},
                    {{"4", {{"PC", "0.300"}, {"PD", "0.100"}, {"PD", "0.050"}, {"PZ", "0"}}},
                     {"LF", {{"X", "0.250"}}}});

class DeclaredDifficulty : public ::testing::Test {
protected:
  void SetUp() override { ReadDifficultyChart(Chart, Tables); }

  TDDCalculation Calculate(const std::string& difficulty, const std::string& bonus) {
    TDDCalculation result;
    CalculateDD(Tables, Families(Tables.HybridTable), Families(Tables.BonusTable), difficulty,
                bonus, result);
    return result;
  }

  static int Families(const TFamilyTable& table) { return static_cast<int>(table.size()); }

  TCoachCardTables Tables;
};

TEST_F(DeclaredDifficulty, DeclarationsArePricedFromTheChartWithTheirLimits) {
  struct TCase {
    std::string Difficulty;
    std::string Bonus;
    std::string Breakdown;
    std::string Total;
    std::string Message;
  };
  const std::string tooManyT = "Exceeded declarations \r Exceeds declarations (T)";
  // Both sums are 5 and 3 exactly, a hair above in binary.
  const std::string justAtTheLimits = "T5a T2 T1*0.53 T1*0.53 T1*0.53 T1*0.53 T1*0.53 T1*0.35";
  const TCase cases[] = {
      {"", "", "0.50", "0.500", ""},
      {"  ", " ", "0.50", "0.500", ""},
      {"T5a C2c+ C2a+*0.5", "4PC", "0.50 1.000 0.600 0.200", "2.600", ""},
      {" T5a C2a+*0.3 ", "", "0.50 1.000 0.120", "1.620", ""},
      {"C2a+*0.55", "", "0.50 0.220", "0.720", ""},
      // One token can match in several families; categories priced 0 still match.
      {"S1", "", "0.50 0.500 0.250", "1.250", ""},
      {"C0", "", "0.50 0.000", "0.500", ""},
      {"AB9 B9", "", "0.50 0.900", "1.400", ""},
      // Codes are case-sensitive; what matches nothing leaves no trace.
      {"t5a c2c+ Q7", "", "0.50", "0.500", ""},
      // Empty tokens and codes match nothing and are no technique.
      {"T5a     C2c+", "", "0.50 1.000 0.600", "2.100", ""},
      {"*0.5 T5a *0.3", "", "0.50 1.000", "1.500", ""},
      // The same technique at most 3 times, counted with its factors.
      {"T5a T5a T5a", "", "0.50 1.000 1.000 1.000", "3.500", ""},
      {"T5a T5a T5a T5a", "", "0.50 1.000 1.000 1.000 1.000", "4.500",
       "\r Exceeds techniques (T5a)"},
      {"T5a T5a T5a*0.5 T5a", "", "0.50 1.000 1.000 0.500 1.000", "4.000",
       "\r Exceeds techniques (T5a)"},
      {"C2a+ T1 T1 T1 T1 T2 T2 T2 T2", "",
       "0.50 0.400 0.200 0.200 0.200 0.200 0.300 0.300 0.300 0.300", "2.900",
       tooManyT + "\r Exceeds techniques (T1)"},
      // At most 5 declarations of one kind, counted with their factors.
      {"T1 T2 T1 T2 T5a", "", "0.50 0.200 0.300 0.200 0.300 1.000", "2.500", ""},
      {"T1 T2 T1 T2 T5a T2", "", "0.50 0.200 0.300 0.200 0.300 1.000 0.300", "2.800", tooManyT},
      {"T1 T2 T1 T2 T5a T2*0.5", "", "0.50 0.200 0.300 0.200 0.300 1.000 0.150", "2.650", tooManyT},
      {"T1 T2 T1 T2 T5a T2*0.3", "", "0.50 0.200 0.300 0.200 0.300 1.000 0.090", "2.590", tooManyT},
      {justAtTheLimits, "", "0.50 1.000 0.300 0.106 0.106 0.106 0.106 0.106 0.070", "2.400", ""},
      {"T1 T1 T1 C2c+ C2c+ C2c+ T2 T2 T2 C2a+ C2a+ C2a+ S1", "",
       "0.50 0.200 0.200 0.200 0.600 0.600 0.600 0.300 0.300 0.300 0.400 0.400 0.400 0.500 0.250",
       "5.750", "Exceeded declarations \r Exceeds declarations (T) Exceeds declarations (C)"},
      // The first row alone can be over the technique limit.
      {"T5a*0.3e5", "", "0.50 30000.000", "30000.500", tooManyT + "\r Exceeds techniques (T5a)"},
      // Every equal bonus category priced above 0 counts; bonuses are not in the breakdown.
      {"", "4PD", "0.50", "0.650", ""},
      {"", "4PZ LFX 4PC*0.5", "0.50", "0.900", ""},
      {"", "4pc 4 PC LF  X", "0.50", "0.500", ""},
  };
  for (const TCase& c : cases) {
    const TDDCalculation result = Calculate(c.Difficulty, c.Bonus);
    EXPECT_EQ(result.Breakdown, c.Breakdown) << c.Difficulty << " + " << c.Bonus;
    EXPECT_EQ(FormatFloat("0.000", result.Total), c.Total) << c.Difficulty << " + " << c.Bonus;
    EXPECT_EQ(result.Message, c.Message) << c.Difficulty << " + " << c.Bonus;
  }
}

TEST_F(DeclaredDifficulty, WithoutTablesEveryTokenMatchesNothing) {
  TDDCalculation result;
  CalculateDD(TCoachCardTables(), 1, 1, "T5a *0.5 C2c+", "4PC", result);
  EXPECT_EQ(result.Breakdown, "0.50");
  EXPECT_EQ(result.Total, 0.5);
  EXPECT_EQ(result.Message, "");
}

TEST_F(DeclaredDifficulty, TheTechniqueRowsAreTheDeclaredCodesSortedWithTheirFactors) {
  const TDDCalculation result = Calculate("C2c+ T5a*0.5  C2c+ *0.3 B9", "");
  ASSERT_EQ(result.TechniqueRows.size(), 4u);
  const std::pair<std::string, double> expected[] = {
      {"B9", 1}, {"C2c+", 1}, {"C2c+", 1}, {"T5a", 0.5}};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(result.TechniqueRows[i].Token, expected[i].first) << i;
    EXPECT_EQ(result.TechniqueRows[i].Factor, expected[i].second) << i;
  }
  EXPECT_TRUE(Calculate("", "4PC").TechniqueRows.empty());
}

// A factor that is no number stops the calculation with what it had reached.
TEST_F(DeclaredDifficulty, AFactorThatIsNoNumberIsAConversionError) {
  for (const char* factor :
       {"*0.5x", "*0.5e", "*0.3.1", "*0.5,0", "*inf*0.5", "*nan*0.3", "**0.5", "*0.5*0.3"}) {
    TDDCalculation result;
    EXPECT_THROW(CalculateDD(Tables, Families(Tables.HybridTable), Families(Tables.BonusTable),
                             std::string("T5a C2a+") + factor + " C2c+", "", result),
                 EConvertError)
        << factor;
    EXPECT_EQ(result.Breakdown, "0.50 1.000") << factor;
    EXPECT_EQ(result.Message, "") << factor;
  }
  TDDCalculation result;
  EXPECT_THROW(CalculateDD(Tables, Families(Tables.HybridTable), Families(Tables.BonusTable), "T5a",
                           "4PC*0.3q", result),
               EConvertError);
  EXPECT_EQ(result.Breakdown, "0.50 1.000");
}

// The files the console finds beside it when started by make run price the form's own examples.
TEST(DeclarationTokens, TheSampleCoachCardsPriceTheFormsExamples) {
  const std::string folder = MARIVO_SAMPLE_COACH_CARDS;
  TCoachCardTables tables;
  LoadCoachCardFiles(folder + DifficultyChartFile, folder + MovementsFile, tables);
  EXPECT_EQ(tables.HybridTable.size(), 7u);
  EXPECT_EQ(tables.BonusTable.size(), 4u);
  EXPECT_EQ(tables.RequiredElementTable[rlMixedDuet].size(), 4u);
  EXPECT_EQ(tables.MovementTable[asAcroP][5].Code, "P2");
  EXPECT_EQ(tables.AcroPairsTable.Movements.size(), 4u);
  TDDCalculation result;
  CalculateDD(tables, 7, 4, "T5a C2c+ C2a+*0.5", "4PC", result);
  EXPECT_EQ(result.Breakdown, "0.50 1.000 0.600 0.200");
  EXPECT_EQ(FormatFloat("0.000", result.Total), "2.600");
  EXPECT_EQ(result.Message, "");
}

TEST(DeclarationTokens, TokensAreCutAtEachBlankAndFactorsSplitOff) {
  using TTokens = std::vector<std::string>;
  EXPECT_EQ(SplitTokens("T5a C2c+"), (TTokens{"T5a", "C2c+"}));
  EXPECT_EQ(SplitTokens("a  b"), (TTokens{"a", "", "b"}));
  EXPECT_EQ(SplitTokens(" a "), (TTokens{"", "a", ""}));
  EXPECT_EQ(SplitTokens(""), TTokens{""});

  struct TCase {
    std::string Token;
    std::string Code;
    double Factor;
  };
  const TCase cases[] = {
      {"C2a+*0.5", "C2a+", 0.5},
      {"C2a+*0.3", "C2a+", 0.3},
      {"C2a+*0.55", "C2a+", 0.55},
      {"X*0.30", "X", 0.3},
      {"*0.5", "", 0.5},
      {"X*2", "X*2", 1},
      {"X* 0.5", "X* 0.5", 1},
      {"X", "X", 1},
      {"", "", 1},
  };
  for (const TCase& c : cases) {
    const TDeclaredToken token = SplitFactor(c.Token);
    EXPECT_EQ(token.Code, c.Code) << c.Token;
    EXPECT_EQ(token.Factor, c.Factor) << c.Token;
  }
}

TEST(DeclarationTokens, SortGridRowsSortsWholeRowsByOneColumnBytewise) {
  using TRows = std::vector<std::vector<std::string>>;
  const TRows rows = {{"b", "1"}, {"a", "2"}, {"B", "3"}, {"\xE9", "4"}, {"z", "5"}, {"c", "0"}};
  const auto column = [](std::size_t c) {
    return [c](const std::vector<std::string>& row) -> const std::string& { return row[c]; };
  };
  struct TCase {
    std::size_t Column;
    int KeptAtBottom;
    int TopRow;
    TRows Expected;
  };
  const TCase cases[] = {
      {0, 0, 0, {{"B", "3"}, {"a", "2"}, {"b", "1"}, {"c", "0"}, {"z", "5"}, {"\xE9", "4"}}},
      {1, 0, 0, {{"c", "0"}, {"b", "1"}, {"a", "2"}, {"B", "3"}, {"\xE9", "4"}, {"z", "5"}}},
      {0, 2, 0, {{"B", "3"}, {"a", "2"}, {"b", "1"}, {"\xE9", "4"}, {"z", "5"}, {"c", "0"}}},
      {0, 0, 1, {{"b", "1"}, {"B", "3"}, {"a", "2"}, {"c", "0"}, {"z", "5"}, {"\xE9", "4"}}},
      {0, 9, 0, rows},
  };
  for (const TCase& c : cases) {
    TRows sorted = rows;
    SortGridRows(sorted, column(c.Column), c.KeptAtBottom, c.TopRow);
    EXPECT_EQ(sorted, c.Expected) << c.Column << " " << c.KeptAtBottom << " " << c.TopRow;
  }
}

} // namespace
} // namespace marivo
