// Any declaration against a small chart: it is priced or refused with a conversion error, the
// breakdown starts from the base, the technique rows are sorted and hold no empty code, the
// messages have their form, and the same texts always give the same result.
#include "console/tessaline/rules/DeclaredDifficulty.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/TextUtils.h"
#include "tests/support/CoachCardText.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

namespace {

using namespace marivo;

void Check(bool ok) {
  if (!ok)
    std::abort();
}

const std::string Chart = test::ChartText({{"T", {{"T5a", "1.0"}, {"T1", "0.2"}}},
                                           {"C", {{"C2a+", "0.4"}, {"C0", "0"}}},
                                           {"AB", {{"B9", "0.9"}}}},
                                          {{"4", {{"PC", "0.3"}, {"PC", "0.1"}}}});

const char* const Pieces[] = {"T5a",  "T1",   "C2a+",  "C0",     "AB9", "B9", "4PC", "4",  "PC",
                              "*0.5", "*0.3", "*0.55", "*0.3e5", "e",   "x",  " ",   "  ", "*"};
constexpr std::size_t PieceCount = sizeof Pieces / sizeof Pieces[0];

std::string Declaration(FuzzedDataProvider& provider) {
  std::string text;
  const int pieces = provider.ConsumeIntegralInRange(0, 24);
  for (int i = 0; i < pieces && provider.remaining_bytes() > 0; ++i) {
    const std::size_t choice = provider.ConsumeIntegralInRange<std::size_t>(0, PieceCount);
    text += choice == PieceCount ? provider.ConsumeRandomLengthString(8) : Pieces[choice];
  }
  return text;
}

bool Calculate(const TCoachCardTables& tables, int hybrids, int bonuses, const std::string& d,
               const std::string& b, TDDCalculation& result) {
  try {
    CalculateDD(tables, hybrids, bonuses, d, b, result);
    return true;
  } catch (const EConvertError&) {
    return false;
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const TCoachCardTables tables = [] {
    TCoachCardTables loaded;
    ReadDifficultyChart(Chart, loaded);
    return loaded;
  }();
  FuzzedDataProvider provider(data, size);
  const int hybrids = provider.ConsumeIntegralInRange(-2, MaxFamilies + 2);
  const int bonuses = provider.ConsumeIntegralInRange(-2, MaxFamilies + 2);
  const std::string difficulty = Declaration(provider);
  const std::string bonus = Declaration(provider);

  TDDCalculation result;
  const bool priced = Calculate(tables, hybrids, bonuses, difficulty, bonus, result);
  Check(result.Breakdown.rfind("0.50", 0) == 0);
  if (!priced)
    return 0;
  Check(!(result.Total < BaseDD));
  Check(!FormatFloat("0.000", result.Total).empty());
  Check(result.Message.empty() || result.Message.rfind("Exceeded declarations \r", 0) == 0 ||
        result.Message.rfind("\r Exceeds techniques (", 0) == 0);
  for (std::size_t i = 0; i < result.TechniqueRows.size(); ++i) {
    Check(!result.TechniqueRows[i].Token.empty());
    Check(i == 0 || !(result.TechniqueRows[i].Token < result.TechniqueRows[i - 1].Token));
  }
  TDDCalculation again;
  Check(Calculate(tables, hybrids, bonuses, difficulty, bonus, again));
  Check(again.Breakdown == result.Breakdown && again.Message == result.Message &&
        FormatFloat("0.000", again.Total) == FormatFloat("0.000", result.Total));
  return 0;
}
