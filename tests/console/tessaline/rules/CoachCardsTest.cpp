#include "console/tessaline/rules/CoachCards.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace marivo {
namespace {

TEST(TagValue, TakesWhatLiesBetweenTheTagsOfTheTrimmedLine) {
  struct TCase {
    std::string Tag;
    std::string Line;
    std::string Expected;
  };
  const TCase cases[] = {
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
  for (const TCase& c : cases)
    EXPECT_EQ(TagValue(c.Tag, c.Line), c.Expected) << c.Tag << " in '" << c.Line << "'";
}

TEST(TagValue, LinesEndWithCrLfOrLfAlone) {
  using TLines = std::vector<std::string>;
  EXPECT_EQ(SplitTextLines("a\r\nb\nc"), (TLines{"a", "b", "c"}));
  EXPECT_EQ(SplitTextLines("a\n\nb\r\n"), (TLines{"a", "", "b"}));
  EXPECT_EQ(SplitTextLines("a\rb\n\r\n"), (TLines{"a\rb", ""}));
  EXPECT_EQ(SplitTextLines(""), TLines{});
}

const char Chart[] = "<?xml version=\"1.0\"?> <HYBRIDS><FAMILY>NotRead</FAMILY>\r\n"
                     "<DATE>2024-01-01</DATE>\r\n"
                     "<CREATOR>Federation</CREATOR>\r\n"
                     "<CATEGORYCODE>Lost</CATEGORYCODE>\r\n"
                     "<DD>9</DD>\r\n"
                     "</CATEGORY>\r\n"
                     "<BASE_MARKS>\r\n"
                     "  <FAMILY>Legs</FAMILY>\r\n"
                     "  <CODE>L</CODE>\r\n"
                     "  <CATEGORY>\r\n"
                     "    <CATEGORYDESC>Leg 1</CATEGORYDESC>\r\n"
                     "    <CATEGORYCODE>L1</CATEGORYCODE>\r\n"
                     "    <DESCRIPTION>One leg</DESCRIPTION>\r\n"
                     "    <DD>0.100</DD>\r\n"
                     "  </CATEGORY>\r\n"
                     "</BASE_MARK>\r\n"
                     "<HYBRIDS>\r\n"
                     "  <family>Thrust</family>\r\n"
                     "  <Code>T</Code>   \r\n"
                     "    <CATEGORYDESC>T 5a</CATEGORYDESC>\r\n"
                     "    <CATEGORYCODE>T5a</CATEGORYCODE>\r\n"
                     "    <DD>1.000</DD>\r\n"
                     "  </CATEGORY>\r\n"
                     "    <CATEGORYCODE>T9</CATEGORYCODE>\r\n"
                     "    <DD>lots</DD>\r\n"
                     "  </category>\r\n"
                     "    <CATEGORYDESC>Open\r\n"
                     "    <DD>2,5</DD>\r\n"
                     "  </CATEGORY>\r\n"
                     "</HYBRID>\r\n"
                     "  <FAMILY>Combined</FAMILY>\r\n"
                     "  <CODE>C</CODE>\r\n"
                     "    <CATEGORYCODE>C2c+</CATEGORYCODE>\r\n"
                     "    <DD>0.600</DD>\r\n"
                     "  </CATEGORY>\r\n"
                     "<BONUSES>\r\n"
                     "  <FAMILY>Pair</FAMILY>\r\n"
                     "  <CODE>4</CODE>\r\n"
                     "    <CATEGORYCODE>PC</CATEGORYCODE>\r\n"
                     "    <DD>0.300</DD>\r\n"
                     "  </CATEGORY>\r\n"
                     "</HYBRID>\r\n"
                     "</BONUS>\r\n"
                     "</ELEMENT>\r\n"
                     "<REQUIRED_ELEMENTS_MIXED_DUET>\r\n"
                     "  <FAMILY>Required 1</FAMILY>\r\n"
                     "  <CODE>TRE1</CODE>\r\n"
                     "    <CATEGORYCODE>R1</CATEGORYCODE>\r\n"
                     "  </CATEGORY>\r\n"
                     "</ELEMENT>\r\n";

TEST(CoachCards, TheChartFillsItsSectionsFamiliesAndCategories) {
  TCoachCardTables tables;
  ReadDifficultyChart(Chart, tables);

  ASSERT_EQ(tables.BaseMarkTable.size(), 1u);
  const THybrids& legs = tables.BaseMarkTable[0];
  EXPECT_EQ(legs.Family, "Legs");
  EXPECT_EQ(legs.Code, "L");
  ASSERT_EQ(legs.Categories.size(), 1u);
  EXPECT_EQ(legs.Categories[0].CategoryDesc, "Leg 1");
  EXPECT_EQ(legs.Categories[0].CategoryCode, "L1");
  EXPECT_EQ(legs.Categories[0].Description, "One leg");
  EXPECT_DOUBLE_EQ(legs.Categories[0].DD, 0.1);

  // Indented and lower-case tags count; unconvertible DDs are 0; a line without its closing
  // tag gives an empty value; the first line and categories before any section are not read.
  ASSERT_EQ(tables.HybridTable.size(), 2u);
  const THybrids& thrust = tables.HybridTable[0];
  EXPECT_EQ(thrust.Family, "Thrust");
  EXPECT_EQ(thrust.Code, "T");
  ASSERT_EQ(thrust.Categories.size(), 3u);
  EXPECT_EQ(thrust.Categories[0].CategoryCode, "T5a");
  EXPECT_DOUBLE_EQ(thrust.Categories[0].DD, 1.0);
  EXPECT_EQ(thrust.Categories[1].CategoryCode, "T9");
  EXPECT_EQ(thrust.Categories[1].CategoryDesc, "");
  EXPECT_EQ(thrust.Categories[1].DD, 0);
  EXPECT_EQ(thrust.Categories[2].CategoryDesc, "");
  EXPECT_EQ(thrust.Categories[2].DD, 0);

  // "</HYBRID>" in the bonus section still closes the hybrid family being read.
  const THybrids& combined = tables.HybridTable[1];
  EXPECT_EQ(combined.Family, "Pair");
  EXPECT_EQ(combined.Code, "4");
  ASSERT_EQ(combined.Categories.size(), 1u);
  EXPECT_EQ(combined.Categories[0].CategoryCode, "C2c+");
  EXPECT_DOUBLE_EQ(combined.Categories[0].DD, 0.6);

  ASSERT_EQ(tables.BonusTable.size(), 1u);
  const THybrids& pair = tables.BonusTable[0];
  EXPECT_EQ(pair.Family, "");
  EXPECT_EQ(pair.Code, "");
  ASSERT_EQ(pair.Categories.size(), 1u);
  EXPECT_EQ(pair.Categories[0].CategoryCode, "PC");

  // "</ELEMENT>" outside the required lists closes nothing.
  for (int list : {rlSolo, rlDuet, rlTeam})
    EXPECT_TRUE(tables.RequiredElementTable[list].empty()) << list;
  const TFamilyTable& mixedDuet = tables.RequiredElementTable[rlMixedDuet];
  ASSERT_EQ(mixedDuet.size(), 1u);
  EXPECT_EQ(mixedDuet[0].Code, "TRE1");
  ASSERT_EQ(mixedDuet[0].Categories.size(), 1u);
  EXPECT_EQ(mixedDuet[0].Categories[0].CategoryCode, "R1");

  EXPECT_EQ(tables.LargestHybridCategoryCount, 3);
  EXPECT_EQ(tables.LargestBonusCategoryCount, 1);
}

// A chart past every limit of the format: the excess is skipped, nothing is written beyond.
TEST(CoachCards, CountsStopAtTheLimitsOfTheFormat) {
  std::string chart = "heading\n<HYBRIDS>\n";
  for (int f = 1; f <= MaxFamilies + 3; ++f) {
    chart += "<FAMILY>F" + std::to_string(f) + "</FAMILY>\n<CODE>T</CODE>\n";
    for (int c = 1; c <= MaxCategories + 4; ++c)
      chart += "<CATEGORYCODE>T" + std::to_string(c) + "</CATEGORYCODE>\n<DD>1</DD>\n</CATEGORY>\n";
    chart += "</HYBRID>\n";
  }
  chart += "<REQUIRED_ELEMENTS_TEAM>\n";
  for (int e = 1; e <= MaxRequiredElements + 2; ++e)
    chart += "<CODE>E" + std::to_string(e) +
             "</CODE>\n<CATEGORYCODE>X</CATEGORYCODE>\n"
             "</CATEGORY>\n</ELEMENT>\n";
  std::string movements = "heading\n<ACRO-B>\n<POSITIONS>\n<CODE>POS</CODE>\n";
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
    const auto& movements = tables.MovementTable[asAcroB][group].Movements;
    ASSERT_EQ(movements.size(), std::size_t{MaxMovements}) << group;
    EXPECT_EQ(movements.back().Code, "M200") << group;
  }

  const auto cells = FamilyGridCells(tables.HybridTable, tables.LargestHybridCategoryCount + 1);
  ASSERT_EQ(cells.size(), 50u);
  EXPECT_EQ(cells[0].size(), 51u);
  EXPECT_EQ(cells[0][0], "F1 (T)");
  EXPECT_EQ(cells[0][50], "1.000");
}

TEST(CoachCards, MovementsFillTheirGroupsAndTheCopiedGroupsGetTheirCodes) {
  const std::string movements = "<?xml?>\n"
                                "<DATE>2024</DATE>\n"
                                "<ACRO-A>\n"
                                "<GROUP_SUBGROUP>\n"
                                "  <FAMILY>Groups</FAMILY>\n"
                                "  <CODE>G</CODE>\n"
                                "  <MOVEMENTCODE>G1</MOVEMENTCODE>\n"
                                "  <DESCRIPTION>Stack</DESCRIPTION>\n"
                                "  <IMAGE>g1.png</IMAGE>\n"
                                "  <DD>0.25</DD>\n"
                                "</MOVEMENT>\n"
                                "<MOVEMENTCODE>G2</MOVEMENTCODE>\n"
                                "</MOVEMENT>\n"
                                "<POSITIONS>\n"
                                "  <CODE>P</CODE>\n"
                                "  <MOVEMENTCODE>P1</MOVEMENTCODE>\n"
                                "  <DD>x</DD>\n"
                                "</MOVEMENT>\n"
                                "<ROTATION_BASE>\n"
                                "  <CODE>RB</CODE>\n"
                                "<ROTATION>\n"
                                "  <CODE>R</CODE>\n"
                                "<BONUS>\n"
                                "  <CODE>B</CODE>\n"
                                "  <MOVEMENTCODE>B1</MOVEMENTCODE>\n"
                                "</MOVEMENT>\n"
                                "<ACRO-PAIRS>\n"
                                "  <FAMILY>Pairs</FAMILY>\n"
                                "  <CODE>NotForPairs</CODE>\n"
                                "  <MOVEMENTCODE>PR1</MOVEMENTCODE>\n"
                                "  <IMAGE>pr1.png</IMAGE>\n"
                                "</MOVEMENT>\n";
  TCoachCardTables tables;
  ReadMovements(movements, tables);
  const auto& acroA = tables.MovementTable[asAcroA];
  EXPECT_EQ(acroA[0].Family, "Groups");
  EXPECT_EQ(acroA[0].Code, "G");
  // The current movement's values are kept for the next one; only the pairs keep pictures.
  struct TStored {
    int Group;
    std::vector<std::string> Codes;
    std::vector<std::string> Descriptions;
    std::vector<double> DDs;
  };
  const TStored stored[] = {
      {0, {"G1", "G2"}, {"Stack", "Stack"}, {0.25, 0.25}},
      {4, {"P1"}, {"Stack"}, {0}},
      {5, {"P1"}, {"Stack"}, {0}},
      {6, {}, {}, {}},
      {8, {"B1"}, {"Stack"}, {0}},
      {9, {"B1"}, {"Stack"}, {0}},
  };
  for (const TStored& group : stored) {
    const std::vector<TMovement>& movements = acroA[group.Group].Movements;
    ASSERT_EQ(movements.size(), group.Codes.size()) << group.Group;
    for (std::size_t m = 0; m < movements.size(); ++m) {
      EXPECT_EQ(movements[m].Code, group.Codes[m]) << group.Group;
      EXPECT_EQ(movements[m].Description, group.Descriptions[m]) << group.Group;
      EXPECT_EQ(movements[m].DD, group.DDs[m]) << group.Group;
      EXPECT_EQ(movements[m].ImageName, "") << group.Group;
    }
  }
  const std::string codes[] = {"G", "", "", "", "P1", "P2", "RB", "R", "B1", "B2"};
  for (int group = 0; group < MaxGroups; ++group)
    EXPECT_EQ(acroA[group].Code, codes[group]) << group;
  EXPECT_EQ(tables.MovementTable[asAcroP][4].Code, "1");
  EXPECT_EQ(tables.MovementTable[asAcroP][5].Code, "2");
  EXPECT_EQ(tables.AcroPairsTable.Family, "Pairs");
  EXPECT_EQ(tables.AcroPairsTable.Code, "");
  ASSERT_EQ(tables.AcroPairsTable.Movements.size(), 1u);
  EXPECT_EQ(tables.AcroPairsTable.Movements[0].Code, "PR1");
  EXPECT_EQ(tables.AcroPairsTable.Movements[0].ImageName, "pr1.png");
}

TEST(CoachCards, FamilyGridsShowFamiliesAndPricedCategories) {
  TCoachCardTables tables;
  ReadDifficultyChart(Chart, tables);
  const auto cells = FamilyGridCells(tables.HybridTable, tables.LargestHybridCategoryCount + 1);
  const std::vector<std::vector<std::string>> expected = {
      {"Thrust (T)", "T 5a 1.000", "", ""},
      {"Pair (4)", "0.600", "", ""},
  };
  EXPECT_EQ(cells, expected);
  EXPECT_TRUE(FamilyGridCells(TFamilyTable(), 1).empty());
}

// Files on disk, LF-only, read afresh; one that cannot be read leaves every table empty.
TEST(CoachCards, FilesAreReadWholeOrLeaveTheTablesEmpty) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() /
      ("marivo-coach-cards-" + std::to_string(std::random_device()()));
  std::filesystem::create_directories(folder);
  const std::string chartFile = (folder / DifficultyChartFile).string();
  const std::string movementsFile = (folder / MovementsFile).string();
  const auto write = [](const std::string& name, const std::string& text) {
    TFileStream(name, TFileMode::fmCreate).WriteBuffer(text.data(), text.size());
  };
  write(chartFile, "h\n<HYBRIDS>\n<CODE>T</CODE>\n<CATEGORYCODE>T1</CATEGORYCODE>\n"
                   "</CATEGORY>\n</HYBRID>\n");
  write(movementsFile, "h\n<ACRO-C>\n<SUPPORT>\n<MOVEMENTCODE>S1</MOVEMENTCODE>\n</MOVEMENT>\n");

  TCoachCardTables tables;
  ReadDifficultyChart(Chart, tables);
  LoadCoachCardFiles(chartFile, movementsFile, tables);
  ASSERT_EQ(tables.HybridTable.size(), 1u);
  EXPECT_EQ(tables.HybridTable[0].Categories[0].CategoryCode, "T1");
  EXPECT_TRUE(tables.BaseMarkTable.empty());
  EXPECT_TRUE(tables.BonusTable.empty());
  EXPECT_EQ(tables.LargestHybridCategoryCount, 1);
  ASSERT_EQ(tables.MovementTable[asAcroC][3].Movements.size(), 1u);
  EXPECT_EQ(tables.MovementTable[asAcroC][3].Movements[0].Code, "S1");

  std::filesystem::remove(movementsFile);
  EXPECT_THROW(LoadCoachCardFiles(chartFile, movementsFile, tables), EStreamError);
  EXPECT_TRUE(tables.HybridTable.empty());
  EXPECT_EQ(tables.LargestHybridCategoryCount, 0);
  EXPECT_TRUE(tables.MovementTable[asAcroC][3].Movements.empty());
  std::filesystem::remove_all(folder);
}

} // namespace
} // namespace marivo
