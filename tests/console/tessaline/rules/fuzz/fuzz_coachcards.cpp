// Any pair of files, built from the charts' own tags in any order and layout or from plain
// bytes: the reader stays inside its tables, every count stays within its limit, and the family
// grids are exactly as large as the tables say.
#include "console/tessaline/rules/CoachCards.h"
#include "console/tessaline/rules/DeclaredDifficulty.h"
#include "platform/rtl/TextUtils.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace marivo;

void Check(bool ok) {
  if (!ok)
    std::abort();
}

// Every tag either file knows, blank-separated.
const std::vector<std::string> Tags = SplitTokens(
    "FAMILY CODE CATEGORYDESC CATEGORYCODE DESCRIPTION DD BASE_MARKS HYBRIDS BONUSES "
    "REQUIRED_ELEMENTS_SOLO REQUIRED_ELEMENTS_DUET REQUIRED_ELEMENTS_MIXED_DUET "
    "REQUIRED_ELEMENTS_TEAM /CATEGORY /BASE_MARK /HYBRID /BONUS /ELEMENT ACRO-A ACRO-B ACRO-C "
    "ACRO-P ACRO-PAIRS GROUP_SUBGROUP CONSTRUCTION DIRECTION SUPPORT POSITIONS ROTATION_BASE "
    "ROTATION BONUS MOVEMENTCODE IMAGE /MOVEMENT DATE CREATOR");

// A line of a chart: mostly one tag with a value, sometimes indented, lower-cased or cut.
std::string Line(FuzzedDataProvider& provider) {
  const std::size_t choice = provider.ConsumeIntegralInRange<std::size_t>(0, Tags.size());
  if (choice == Tags.size())
    return provider.ConsumeRandomLengthString(40);
  std::string tag = "<" + Tags[choice] + ">";
  const std::uint8_t layout = provider.ConsumeIntegral<std::uint8_t>();
  if (layout & 1)
    tag = LowerCase(tag);
  std::string line = std::string(layout >> 5, ' ') + tag;
  if (tag[1] != '/') {
    line += provider.ConsumeRandomLengthString(12);
    if (!(layout & 2))
      line += "</" + tag.substr(1);
  }
  return line + ((layout & 4) ? "\n" : "\r\n");
}

void CheckFamilies(const TFamilyTable& table, std::size_t limit, int largest) {
  Check(table.size() <= limit);
  Check(largest >= 0 && largest <= MaxCategories);
  for (const THybrids& family : table)
    Check(family.Categories.size() <= static_cast<std::size_t>(largest));
  const auto cells = FamilyGridCells(table, largest + 1);
  Check(cells.size() == table.size());
  for (const auto& row : cells)
    Check(row.size() == static_cast<std::size_t>(largest + 1));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider provider(data, size);
  std::string chart = "<?xml?>\n";
  std::string movements = "<?xml?>\n";
  while (provider.remaining_bytes() > 0)
    (provider.ConsumeBool() ? chart : movements) += Line(provider);

  TCoachCardTables tables;
  ReadDifficultyChart(chart, tables);
  ReadMovements(movements, tables);
  CheckFamilies(tables.BaseMarkTable, MaxFamilies, MaxCategories);
  CheckFamilies(tables.HybridTable, MaxFamilies, tables.LargestHybridCategoryCount);
  CheckFamilies(tables.BonusTable, MaxFamilies, tables.LargestBonusCategoryCount);
  for (const TFamilyTable& list : tables.RequiredElementTable)
    CheckFamilies(list, MaxRequiredElements, MaxCategories);
  for (const auto& groups : tables.MovementTable)
    for (const TElementsCategory& group : groups)
      Check(group.Movements.size() <= MaxMovements);
  Check(tables.AcroPairsTable.Movements.size() <= MaxMovements);

  for (const std::string& line : SplitTextLines(chart)) {
    const std::string value = TagValue("<CODE>", line);
    const std::string trimmed = Trim(line);
    Check(value.empty() ||
          (value.size() + 13 == trimmed.size() && trimmed.compare(6, value.size(), value) == 0));
  }
  return 0;
}
