#pragma once

#include "console/tessaline/rules/CoachCards.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

namespace marivo {

// A hybrid family belongs to a kind when "(" + its code + ")" is one of these.
inline constexpr std::array<const char*, 6> DeclarationKinds = {"(T)", "(S)", "(R)",
                                                                "(A)", "(F)", "(C)"};
inline constexpr double BaseDD = 0.50;
// Counted with their factors.
inline constexpr double MaxDeclarationsPerKind = 5;
inline constexpr double MaxTechniqueRepeats = 3;

// A declared element: its code and the factor written after it ("C2a+*0.5").
struct TDeclaredToken {
  std::string Code;
  double Factor = 1;
};

// The text cut at each single blank; two blanks in a row give an empty token.
std::vector<std::string> SplitTokens(const std::string& text);
// Only a token holding "*0.5" or "*0.3" has a factor: the text after its first "*", which must
// be a number (EConvertError otherwise).
TDeclaredToken SplitFactor(const std::string& token);

// A row of the technique-repetition check: a declared code and its factor.
struct TTechniqueRow {
  std::string Token;
  double Factor = 1;
};

struct TDDCalculation {
  std::string Breakdown = "0.50"; // the base, then each recognised hybrid's DD
  double Total = 0;
  std::string Message; // the limits exceeded, empty when none
  std::vector<TTechniqueRow> TechniqueRows;
};

// Prices a declaration against the first hybridFamilies hybrid and bonusFamilies bonus
// families. A factor that is no number raises EConvertError, with result holding the breakdown
// reached so far.
void CalculateDD(const TCoachCardTables& tables, int hybridFamilies, int bonusFamilies,
                 const std::string& difficulty, const std::string& bonus, TDDCalculation& result);

// Selection sort from topRow down to keptAtBottom rows above the end, by the text key(row)
// compared byte by byte: each row changes places with the first later row whose text is the
// smallest and smaller than its own. Equal texts keep no particular order.
template <class TRow, class TKey>
void SortGridRows(std::vector<TRow>& rows, TKey key, int keptAtBottom, int topRow = 0) {
  const int end = static_cast<int>(rows.size()) - std::max(keptAtBottom, 0);
  for (int i = std::max(topRow, 0); i < end; ++i) {
    int smallest = i;
    for (int j = i + 1; j < end; ++j)
      if (key(rows[j]) < key(rows[smallest]))
        smallest = j;
    if (smallest != i)
      std::swap(rows[i], rows[smallest]);
  }
}

} // namespace marivo
