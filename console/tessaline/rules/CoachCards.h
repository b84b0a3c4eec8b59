#pragma once

#include <array>
#include <string>
#include <vector>

namespace marivo {

// The competition's difficulty charts, read from three line-oriented tagged text files. Only
// the hybrid and bonus tables are used afterwards; the others are kept as the charts give them.

inline constexpr char DifficultyChartFile[] = "Difficulty_Chart2024.xml";
inline constexpr char AcrobaticsFile[] = "Acrobatics2024.xml";
inline constexpr char MovementsFile[] = "Movements2024.xml";

// Limits of the format: a chart that goes past one is invalid, and its excess is skipped.
inline constexpr int MaxFamilies = 50;
inline constexpr int MaxCategories = 50;
inline constexpr int MaxRequiredElements = 5;
inline constexpr int MaxMovements = 200;
inline constexpr int MaxGroups = 10;

struct THybridCategory {
  std::string CategoryDesc;
  std::string CategoryCode;
  std::string Description;
  double DD = 0;
};

// A family of base marks, hybrids, bonuses or required elements.
struct THybrids {
  std::string Family;
  std::string Code;
  std::vector<THybridCategory> Categories; // at most MaxCategories
};

struct TMovement {
  std::string Code;
  std::string Description;
  std::string ImageName;
  double DD = 0;
};

// A group of acrobatic movements, kept by their place in the group.
struct TElementsCategory {
  std::string Family;
  std::string Code;
  std::vector<TMovement> Movements; // at most MaxMovements
};

// Acrobatics are not read; their table keeps the chart's shape.
using TAcrobaticCategory = TMovement;

struct TAcrobatics {
  std::string Family;
  std::string Code;
  std::string Description;
  std::vector<TAcrobaticCategory> Categories; // at most MaxMovements
};

using TFamilyTable = std::vector<THybrids>;

enum TRequiredList { rlSolo, rlDuet, rlMixedDuet, rlTeam };
enum TAcroSection { asAcroA, asAcroB, asAcroC, asAcroP };

struct TCoachCardTables {
  TFamilyTable BaseMarkTable; // at most MaxFamilies each
  TFamilyTable HybridTable;
  TFamilyTable BonusTable;
  std::array<TFamilyTable, 4> RequiredElementTable; // at most MaxRequiredElements each
  std::array<std::array<TElementsCategory, MaxGroups>, 4> MovementTable;
  TElementsCategory AcroPairsTable;
  std::array<TAcrobatics, 4> AcrobaticsTable;
  // The most categories any hybrid family and any bonus family has.
  int LargestHybridCategoryCount = 0;
  int LargestBonusCategoryCount = 0;
};

// The text between <TAG> at the start and </TAG> at the end of the trimmed line, where tag is
// given with its angle brackets; empty when the line is too short for both tags.
std::string TagValue(const std::string& tag, const std::string& line);

// Lines ended by CR LF or LF.
std::vector<std::string> SplitTextLines(const std::string& text);

// Each adds to tables what one file's text holds.
void ReadDifficultyChart(const std::string& text, TCoachCardTables& tables);
void ReadMovements(const std::string& text, TCoachCardTables& tables);

// Reads the chart and the movements file afresh. A file that cannot be read raises its error
// and leaves the tables empty.
void LoadCoachCardFiles(const std::string& chartFile, const std::string& movementsFile,
                        TCoachCardTables& tables);

// The cells of a hidden family grid: a row per family read, column 0 the family and its code,
// then each category priced above 0 with its description; `columns` wide.
std::vector<std::vector<std::string>> FamilyGridCells(const TFamilyTable& table, int columns);

} // namespace marivo
