#include "console/tessaline/rules/CoachCards.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/TextUtils.h"
#include "tests/support/CoachCardText.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace marivo {
namespace {

// Whole tables compared at once: "Family|Code: code=DD(description/long description) ...; ...".
std::string Summary(const TFamilyTable& table) {
  std::string text;
  for (const THybrids& family : table) {
    text += (text.empty() ? "" : "; ") + family.Family + "|" + family.Code + ":";
    for (const THybridCategory& category : family.Categories) {
      text += " " + category.CategoryCode + "=" + FloatToStr(category.DD);
      if (!category.CategoryDesc.empty() || !category.Description.empty())
        text += "(" + category.CategoryDesc + "/" + category.Description + ")";
    }
  }
  return text;
}

std::string Summary(const TElementsCategory& group) {
  std::string text = group.Family + "|" + group.Code + ":";
  for (const TMovement& movement : group.Movements)
    text += " " + movement.Code + "/" + movement.Description + "/" + movement.ImageName + "=" +
            FloatToStr(movement.DD);
  return text;
}

TEST(TagValue, TakesWhatLiesBetweenTheTagsOfTheTrimmedLine) {
  const std::vector<std::vector<std::string>> cases = {
      {"<FAMILY>", "<FAMILY>Thrust</FAMILY>", "Thrust"},
      {"<FAMILY>", "      <FAMILY>Thrust</FAMILY>   \t\r", "Thrust"},
      {"<FAMILY>", "<family>Thrust</family>", "Thrust"},
      {"<CODE>", "<CODE> T </CODE>", " T "},
      {"<DD>", "<DD></DD>", ""},
      {"<DD>", "<DD>0</DD>", "0"},
      // Any other layout gives a shifted or cut value, as the charts' readers have always had it.
      {"<FAMILY>", "<FAMILY>Thrust</FAMILY> x", "Thrust</"},
      {"<FAMILY>", "<FAMILY>Thrust</FAM>", "Thr"},
      {"<CODE>", "<CODE>C</CODE><DD>0.6</DD>", "C</CODE><DD>0"},
      // Too short for both tags: nothing, never a piece from before the line.
      {"<FAMILY>", "<FAMILY>Thrust", ""},
      {"<A>", "<A></A>", ""},
      {"<CATEGORYDESC>", "<DD>", ""},
      {"<DD>", "", ""},
      {"", "abc", "ab"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TagValue(c[0], c[1]), c[2]) << c[0] << " in '" << c[1] << "'";

  using TLines = std::vector<std::string>;
  EXPECT_EQ(SplitTextLines("a\r\nb\nc"), (TLines{"a", "b", "c"}));
  EXPECT_EQ(SplitTextLines("a\n\nb\r\n"), (TLines{"a", "", "b"}));
  EXPECT_EQ(SplitTextLines("a\rb\n\r\n"), (TLines{"a\rb", ""}));
  EXPECT_EQ(SplitTextLines(""), TLines{});
}

// Indented and lower-case tags count; unconvertible DDs are 0; a line without its closing tag
// gives an empty value; the first line and categories before any section are not read; a
// family's end tag closes its own section's family wherever it stands; a family the file ends
// in is not stored.
TEST(CoachCards, TheChartFillsItsSectionsFamiliesAndCategories) {
  const std::string chart =
      "<?xml version=\"1.0\"?> <HYBRIDS><CODE>X</CODE>\r\n<DATE>2024-01-01</DATE>\r\n"
      "<CATEGORYCODE>Lost</CATEGORYCODE>\r\n</CATEGORY>\r\n"
      "<BASE_MARKS>\r\n  <FAMILY>Legs</FAMILY>\r\n  <CODE>L</CODE>\r\n  <CATEGORY>\r\n"
      "    <CATEGORYDESC>Leg 1</CATEGORYDESC>\r\n    <CATEGORYCODE>L1</CATEGORYCODE>\r\n"
      "    <DESCRIPTION>One leg</DESCRIPTION>\r\n    <DD>0.100</DD>\r\n  </CATEGORY>\r\n"
      "</BASE_MARK>\r\n"
      "<HYBRIDS>\r\n  <family>Thrust</family>\r\n  <Code>T</Code>   \r\n"
      "    <CATEGORYCODE>T5a</CATEGORYCODE>\r\n    <DD>1.000</DD>\r\n  </CATEGORY>\r\n"
      "    <CATEGORYCODE>T9</CATEGORYCODE>\r\n    <DD>lots</DD>\r\n  </category>\r\n"
      "    <CATEGORYDESC>Open\r\n    <DD>2,5</DD>\r\n  </CATEGORY>\r\n</HYBRID>\r\n"
      "  <FAMILY>Combined</FAMILY>\r\n  <CODE>C</CODE>\r\n"
      "    <CATEGORYCODE>C2c+</CATEGORYCODE>\r\n    <DD>0.600</DD>\r\n  </CATEGORY>\r\n"
      "<BONUSES>\r\n  <FAMILY>Pair</FAMILY>\r\n  <CODE>4</CODE>\r\n"
      "    <CATEGORYCODE>PC</CATEGORYCODE>\r\n  </CATEGORY>\r\n"
      "</HYBRID>\r\n</BONUS>\r\n</ELEMENT>\r\n"
      "<REQUIRED_ELEMENTS_MIXED_DUET>\r\n  <CODE>TRE1</CODE>\r\n"
      "    <CATEGORYCODE>R1</CATEGORYCODE>\r\n  </CATEGORY>\r\n</ELEMENT>\r\n"
      "<REQUIRED_ELEMENTS_TEAM>\r\n  <CODE>TRE2</CODE>\r\n"
      "    <CATEGORYCODE>R2</CATEGORYCODE>\r\n  </CATEGORY>\r\n";
  TCoachCardTables tables;
  ReadDifficultyChart(chart, tables);
  EXPECT_EQ(Summary(tables.BaseMarkTable), "Legs|L: L1=0.1(Leg 1/One leg)");
  EXPECT_EQ(Summary(tables.HybridTable), "Thrust|T: T5a=1 T9=0 =0; Pair|4: C2c+=0.6");
  EXPECT_EQ(Summary(tables.BonusTable), "|: PC=0");
  EXPECT_EQ(Summary(tables.RequiredElementTable[rlMixedDuet]), "|TRE1: R1=0");
  for (int list : {rlSolo, rlDuet, rlTeam})
    EXPECT_TRUE(tables.RequiredElementTable[list].empty()) << list;
  EXPECT_EQ(tables.LargestHybridCategoryCount, 3);
  EXPECT_EQ(tables.LargestBonusCategoryCount, 1);
}

// A chart past every limit of the format: the excess is skipped, nothing is written beyond.
TEST(CoachCards, CountsStopAtTheLimitsOfTheFormat) {
  std::vector<test::TCardFamily> families(MaxFamilies + 3);
  for (std::size_t f = 0; f < families.size(); ++f) {
    families[f] = {"T", {}, "F" + std::to_string(f + 1)};
    for (int c = 1; c <= MaxCategories + 4; ++c)
      families[f].Categories.push_back({"T" + std::to_string(c), "1"});
  }
  std::string chart = test::ChartText(families) + "<REQUIRED_ELEMENTS_TEAM>\n";
  for (int e = 1; e <= MaxRequiredElements + 2; ++e)
    chart += "<CODE>E" + std::to_string(e) + "</CODE>\n</CATEGORY>\n</ELEMENT>\n";
  std::string movements = "heading\n<ACRO-B>\n<POSITIONS>\n";
  for (int m = 1; m <= MaxMovements + 5; ++m)
    movements += "<MOVEMENTCODE>M" + std::to_string(m) + "</MOVEMENTCODE>\n</MOVEMENT>\n";

  TCoachCardTables tables;
  ReadDifficultyChart(chart, tables);
  ReadMovements(movements, tables);
  ASSERT_EQ(tables.HybridTable.size(), std::size_t{MaxFamilies});
  EXPECT_EQ(tables.HybridTable.back().Family, "F50");
  ASSERT_EQ(tables.HybridTable.back().Categories.size(), std::size_t{MaxCategories});
  EXPECT_EQ(tables.HybridTable.back().Categories.back().CategoryCode, "T50");
  EXPECT_EQ(tables.LargestHybridCategoryCount, MaxCategories);
  ASSERT_EQ(tables.RequiredElementTable[rlTeam].size(), std::size_t{MaxRequiredElements});
  EXPECT_EQ(tables.RequiredElementTable[rlTeam].back().Code, "E5");
  for (int group : {4, 5}) {
    const auto& stored = tables.MovementTable[asAcroB][group].Movements;
    ASSERT_EQ(stored.size(), std::size_t{MaxMovements}) << group;
    EXPECT_EQ(stored.back().Code, "M200") << group;
  }
  const auto cells = FamilyGridCells(tables.HybridTable, tables.LargestHybridCategoryCount + 1);
  ASSERT_EQ(cells.size(), 50u);
  EXPECT_EQ(cells[0].size(), 51u);
  EXPECT_EQ(cells[0][50], "1.000");
}

// The current movement's values carry over to the next one; groups 5 and 9 are copied into 6
// and 10 and the codes tell them apart; only the pairs keep their pictures.
TEST(CoachCards, MovementsFillTheirGroupsAndTheCopiedGroupsGetTheirCodes) {
  std::string movements = "<?xml?>\n<DATE>2024</DATE>\n<ACRO-A>\n";
  for (const char* line : {"<GROUP_SUBGROUP>",
                           "<FAMILY>Groups</FAMILY>",
                           "<CODE>G</CODE>",
                           "<MOVEMENTCODE>G1</MOVEMENTCODE>",
                           "<DESCRIPTION>Stack</DESCRIPTION>",
                           "<IMAGE>g1.png</IMAGE>",
                           "<DD>0.25</DD>",
                           "</MOVEMENT>",
                           "<MOVEMENTCODE>G2</MOVEMENTCODE>",
                           "</MOVEMENT>",
                           "<POSITIONS>",
                           "<CODE>P</CODE>",
                           "<MOVEMENTCODE>P1</MOVEMENTCODE>",
                           "<DD>x</DD>",
                           "</MOVEMENT>",
                           "<ROTATION_BASE>",
                           "<CODE>RB</CODE>",
                           "<ROTATION>",
                           "<CODE>R</CODE>",
                           "<BONUS>",
                           "<CODE>B</CODE>",
                           "<MOVEMENTCODE>B1</MOVEMENTCODE>",
                           "</MOVEMENT>",
                           "<ACRO-PAIRS>",
                           "<FAMILY>Pairs</FAMILY>",
                           "<CODE>NotForPairs</CODE>",
                           "<MOVEMENTCODE>PR1</MOVEMENTCODE>",
                           "<IMAGE>pr1.png</IMAGE>",
                           "</MOVEMENT>"})
    movements += std::string(line) + "\n";
  TCoachCardTables tables;
  ReadMovements(movements, tables);
  const std::string expected[MaxGroups] = {"Groups|G: G1/Stack/=0.25 G2/Stack/=0.25",
                                           "|:",
                                           "|:",
                                           "|:",
                                           "|P1: P1/Stack/=0",
                                           "|P2: P1/Stack/=0",
                                           "|RB:",
                                           "|R:",
                                           "|B1: B1/Stack/=0",
                                           "|B2: B1/Stack/=0"};
  for (int group = 0; group < MaxGroups; ++group)
    EXPECT_EQ(Summary(tables.MovementTable[asAcroA][group]), expected[group]) << group;
  EXPECT_EQ(Summary(tables.MovementTable[asAcroP][4]), "|1:");
  EXPECT_EQ(Summary(tables.MovementTable[asAcroP][5]), "|2:");
  EXPECT_EQ(Summary(tables.AcroPairsTable), "Pairs|: PR1/Stack/pr1.png=0");
}

TEST(CoachCards, FamilyGridsShowFamiliesAndPricedCategories) {
  TCoachCardTables tables;
  ReadDifficultyChart(test::ChartText({{"T", {{"T5a", "1", "T 5a"}, {"T9", "0"}}, "Thrust"},
                                       {"4", {{"C2c+", "0.6"}}, "Pair"}}),
                      tables);
  const std::vector<std::vector<std::string>> expected = {{"Thrust (T)", "T 5a 1.000", ""},
                                                          {"Pair (4)", "0.600", ""}};
  EXPECT_EQ(FamilyGridCells(tables.HybridTable, tables.LargestHybridCategoryCount + 1), expected);
  EXPECT_TRUE(FamilyGridCells(TFamilyTable(), 1).empty());
}

// Files on disk, LF-only, read afresh; one that cannot be read leaves every table empty.
TEST(CoachCards, FilesAreReadWholeOrLeaveTheTablesEmpty) {
  const test::TTemporaryFolder folder("marivo-coach-cards-");
  const std::string chartFile = folder.PathOf(DifficultyChartFile);
  const std::string movementsFile = folder.PathOf(MovementsFile);
  const auto write = [](const std::string& name, const std::string& text) {
    TFileStream(name, TFileMode::fmCreate).WriteBuffer(text.data(), text.size());
  };
  write(chartFile, test::ChartText({{"T", {{"T1", "1"}}}}));
  write(movementsFile, "h\n<ACRO-C>\n<SUPPORT>\n<MOVEMENTCODE>S1</MOVEMENTCODE>\n</MOVEMENT>\n");

  TCoachCardTables tables;
  ReadDifficultyChart(test::ChartText({{"X", {}}}, {{"Y", {}}}), tables);
  LoadCoachCardFiles(chartFile, movementsFile, tables);
  EXPECT_EQ(Summary(tables.HybridTable), "|T: T1=1");
  EXPECT_TRUE(tables.BonusTable.empty());
  EXPECT_EQ(Summary(tables.MovementTable[asAcroC][3]), "|: S1//=0");

  std::filesystem::remove(movementsFile);
  EXPECT_THROW(LoadCoachCardFiles(chartFile, movementsFile, tables), EStreamError);
  EXPECT_TRUE(tables.HybridTable.empty());
  EXPECT_EQ(tables.LargestHybridCategoryCount, 0);
  EXPECT_TRUE(tables.MovementTable[asAcroC][3].Movements.empty());
}

} // namespace
} // namespace marivo
