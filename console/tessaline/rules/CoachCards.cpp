#include "console/tessaline/rules/CoachCards.h"

#include "platform/rtl/Streams.h"
#include "platform/rtl/TextUtils.h"

#include <algorithm>
#include <utility>

namespace marivo {

namespace {

// Tags are found anywhere in the upper-cased line, as the charts' writers indent and case them
// as they please.
class TTaggedLine {
public:
  explicit TTaggedLine(const std::string& line) : Line_(line), Upper_(UpperCase(line)) {}
  bool Has(const char* tag) const { return Upper_.find(tag) != std::string::npos; }
  // Takes the value of the tag when the line has it.
  void Take(const char* tag, std::string& value) const {
    if (Has(tag))
      value = TagValue(tag, Line_);
  }
  // A DD that is no number is 0.
  void TakeDD(double& value) const {
    if (Has("<DD>") && !TryStrToFloat(TagValue("<DD>", Line_), value))
      value = 0;
  }

private:
  const std::string& Line_;
  std::string Upper_;
};

const std::pair<const char*, int> ChartSections[] = {
    {"<BASE_MARKS>", 1},
    {"<HYBRIDS>", 2},
    {"<BONUSES>", 3},
    {"<REQUIRED_ELEMENTS_SOLO>", 4},
    {"<REQUIRED_ELEMENTS_DUET>", 5},
    {"<REQUIRED_ELEMENTS_MIXED_DUET>", 6},
    {"<REQUIRED_ELEMENTS_TEAM>", 7},
};
// These close a family of their own section, whatever section the chart is in.
const std::pair<const char*, int> FamilyEnds[] = {
    {"</BASE_MARK>", 1},
    {"</HYBRID>", 2},
    {"</BONUS>", 3},
};
constexpr int FirstRequiredSection = 4;
constexpr int SectionCount = 8; // 0 before any section tag

const std::pair<const char*, int> MovementSections[] = {
    {"<ACRO-A>", 1}, {"<ACRO-B>", 2}, {"<ACRO-C>", 3}, {"<ACRO-P>", 4}, {"<ACRO-PAIRS>", 5},
};
constexpr int PairsSection = 5;
// Groups 6 and 10 have no tag: they are copies of 5 and 9.
const std::pair<const char*, int> MovementGroups[] = {
    {"<GROUP_SUBGROUP>", 1}, {"<CONSTRUCTION>", 2},  {"<DIRECTION>", 3}, {"<SUPPORT>", 4},
    {"<POSITIONS>", 5},      {"<ROTATION_BASE>", 7}, {"<ROTATION>", 8},  {"<BONUS>", 9},
};

struct TSectionTable {
  TFamilyTable* Table;
  std::size_t Limit;
};

// The family table of a chart section 1 to 7; none for section 0.
TSectionTable SectionTable(TCoachCardTables& tables, int section) {
  switch (section) {
  case 1:
    return {&tables.BaseMarkTable, MaxFamilies};
  case 2:
    return {&tables.HybridTable, MaxFamilies};
  case 3:
    return {&tables.BonusTable, MaxFamilies};
  case 4:
  case 5:
  case 6:
  case 7:
    return {&tables.RequiredElementTable[section - FirstRequiredSection], MaxRequiredElements};
  }
  return {nullptr, 0};
}

void StoreMovement(TElementsCategory& group, int index, const TMovement& movement) {
  if (group.Movements.size() <= static_cast<std::size_t>(index))
    group.Movements.resize(index + 1);
  group.Movements[index] = movement;
}

std::string ReadTextFile(const std::string& fileName) {
  TMemoryStream stream;
  stream.LoadFromFile(fileName);
  return std::string(stream.Data().begin(), stream.Data().end());
}

} // namespace

// A line too short for both tags gives nothing rather than a piece of a tag.
std::string TagValue(const std::string& tag, const std::string& line) {
  const std::string trimmed = Trim(line);
  const std::size_t tagLength = tag.size();
  if (trimmed.size() <= 2 * tagLength + 1)
    return {};
  return trimmed.substr(tagLength, trimmed.size() - 2 * tagLength - 1);
}

std::vector<std::string> SplitTextLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    const std::size_t next = end == std::string::npos ? text.size() : end + 1;
    if (end == std::string::npos)
      end = text.size();
    else if (end > start && text[end - 1] == '\r')
      --end;
    lines.push_back(text.substr(start, end - start));
    start = next;
  }
  return lines;
}

void ReadDifficultyChart(const std::string& text, TCoachCardTables& tables) {
  int section = 0;
  // The categories of the family being read in each section, stored when it closes.
  std::array<std::vector<THybridCategory>, SectionCount> open;
  std::string family;
  std::string code;
  THybridCategory category;
  const std::vector<std::string> lines = SplitTextLines(text);
  // The first line is the file's heading; <DATE> and <CREATOR> carry nothing the console uses.
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const TTaggedLine line(lines[i]);
    line.Take("<FAMILY>", family);
    line.Take("<CODE>", code);
    line.Take("<CATEGORYDESC>", category.CategoryDesc);
    line.Take("<CATEGORYCODE>", category.CategoryCode);
    line.Take("<DESCRIPTION>", category.Description);
    for (const auto& [tag, number] : ChartSections)
      if (line.Has(tag))
        section = number;
    line.TakeDD(category.DD);
    if (line.Has("</CATEGORY>")) {
      const TSectionTable target = SectionTable(tables, section);
      std::vector<THybridCategory>& categories = open[section];
      if (target.Table && target.Table->size() < target.Limit &&
          categories.size() < MaxCategories) {
        categories.push_back(category);
        const int count = static_cast<int>(categories.size());
        if (target.Table == &tables.HybridTable)
          tables.LargestHybridCategoryCount = std::max(tables.LargestHybridCategoryCount, count);
        if (target.Table == &tables.BonusTable)
          tables.LargestBonusCategoryCount = std::max(tables.LargestBonusCategoryCount, count);
      }
      category = THybridCategory();
    }
    const auto closeFamily = [&](int number) {
      const TSectionTable target = SectionTable(tables, number);
      if (target.Table->size() < target.Limit)
        target.Table->push_back({family, code, std::move(open[number])});
      open[number].clear();
      family.clear();
      code.clear();
    };
    for (const auto& [tag, number] : FamilyEnds)
      if (line.Has(tag))
        closeFamily(number);
    if (line.Has("</ELEMENT>") && section >= FirstRequiredSection)
      closeFamily(section);
  }
}

void ReadMovements(const std::string& text, TCoachCardTables& tables) {
  int section = 1;
  int group = 1;
  int counter = 0;
  TMovement movement;
  const std::vector<std::string> lines = SplitTextLines(text);
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const TTaggedLine line(lines[i]);
    for (const auto& [tag, number] : MovementSections) {
      if (line.Has(tag)) {
        section = number;
        counter = 0;
      }
    }
    for (const auto& [tag, number] : MovementGroups) {
      if (line.Has(tag)) {
        group = number;
        counter = 0;
      }
    }
    TElementsCategory& current = section == PairsSection
                                     ? tables.AcroPairsTable
                                     : tables.MovementTable[section - 1][group - 1];
    line.Take("<FAMILY>", current.Family);
    if (section != PairsSection)
      line.Take("<CODE>", current.Code);
    line.Take("<MOVEMENTCODE>", movement.Code);
    line.Take("<DESCRIPTION>", movement.Description);
    line.Take("<IMAGE>", movement.ImageName);
    line.TakeDD(movement.DD);
    if (!line.Has("</MOVEMENT>") || counter >= MaxMovements)
      continue;
    const int index = counter++;
    if (section == PairsSection) {
      StoreMovement(current, index, movement);
      continue;
    }
    // Only the pairs keep their pictures.
    const TMovement stored{movement.Code, movement.Description, "", movement.DD};
    StoreMovement(current, index, stored);
    if (group == 5 || group == 9)
      StoreMovement(tables.MovementTable[section - 1][group], index, stored);
  }
  // The copied groups are told apart from their originals by the last character of the code.
  for (auto& groups : tables.MovementTable) {
    groups[5].Code = groups[4].Code + "2";
    groups[4].Code += "1";
    groups[9].Code = groups[8].Code + "2";
    groups[8].Code += "1";
  }
}

void LoadCoachCardFiles(const std::string& chartFile, const std::string& movementsFile,
                        TCoachCardTables& tables) {
  tables = TCoachCardTables();
  const std::string chart = ReadTextFile(chartFile);
  const std::string movements = ReadTextFile(movementsFile);
  ReadDifficultyChart(chart, tables);
  ReadMovements(movements, tables);
}

std::vector<std::vector<std::string>> FamilyGridCells(const TFamilyTable& table, int columns) {
  const std::size_t width = std::clamp(columns, 1, MaxCategories + 1);
  std::vector<std::vector<std::string>> rows;
  for (const THybrids& family : table) {
    std::vector<std::string>& row = rows.emplace_back(width);
    row[0] = family.Family + " (" + family.Code + ")";
    for (std::size_t j = 1; j < width && j <= family.Categories.size(); ++j) {
      const THybridCategory& category = family.Categories[j - 1];
      if (category.DD > 0)
        row[j] = Trim(category.CategoryDesc + " " + FormatFloat("0.000", category.DD));
    }
  }
  return rows;
}

} // namespace marivo
