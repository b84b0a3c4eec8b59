#include "console/tessaline/rules/DeclaredDifficulty.h"

#include "platform/rtl/TextUtils.h"

#include <climits>

namespace marivo {

namespace {

// Sums of factors such as ten times 0.3 land a hair above a limit they only reach.
constexpr double LimitTolerance = 1e-9;

// An empty code would match every category the chart gave none.
const THybridCategory* FindCategory(const THybrids& family, const std::string& code) {
  if (code.empty())
    return nullptr;
  for (const THybridCategory& category : family.Categories)
    if (category.CategoryCode == code)
      return &category;
  return nullptr;
}

// Hybrid codes carry their family's letter: the code is compared from the family code's last
// character on.
void PriceHybrid(const TCoachCardTables& tables, int families, const TDeclaredToken& token,
                 std::array<double, DeclarationKinds.size()>& weights, double& total,
                 std::string& breakdown) {
  for (int f = 0; f < families; ++f) {
    const THybrids& family = tables.HybridTable[f];
    const std::string familyCode = Trim(family.Code);
    const THybridCategory* category =
        FindCategory(family, Copy(token.Code, static_cast<int>(familyCode.size()), INT_MAX));
    if (!category)
      continue;
    const std::string kind = "(" + familyCode + ")";
    for (std::size_t k = 0; k < DeclarationKinds.size(); ++k)
      if (kind == DeclarationKinds[k])
        weights[k] += token.Factor;
    const double dd = category->DD * token.Factor;
    total += dd;
    breakdown += " " + FormatFloat("0.000", dd);
  }
}

// Bonus codes are the family code followed by the category code; every equal category counts.
double PriceBonus(const TCoachCardTables& tables, int families, const TDeclaredToken& token) {
  double total = 0;
  for (int f = 0; f < families; ++f) {
    const THybrids& family = tables.BonusTable[f];
    const std::string familyCode = Trim(family.Code);
    if (token.Code.compare(0, familyCode.size(), familyCode) != 0)
      continue;
    const std::string rest = token.Code.substr(familyCode.size());
    if (rest.empty())
      continue;
    for (const THybridCategory& category : family.Categories)
      if (category.CategoryCode == rest && category.DD != 0)
        total += category.DD * token.Factor;
  }
  return total;
}

std::vector<TTechniqueRow> TechniqueRows(const std::vector<std::string>& tokens) {
  std::vector<TTechniqueRow> rows;
  for (const std::string& text : tokens) {
    TDeclaredToken token = SplitFactor(Trim(text));
    if (!token.Code.empty())
      rows.push_back({std::move(token.Code), token.Factor});
  }
  SortGridRows(
      rows, [](const TTechniqueRow& row) -> const std::string& { return row.Token; }, 0);
  return rows;
}

// The first technique declared more than the limit allows, or "".
std::string RepeatedTechnique(const std::vector<TTechniqueRow>& rows) {
  double weight = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (i == 0 || rows[i].Token != rows[i - 1].Token)
      weight = 0;
    weight += rows[i].Factor;
    if (weight > MaxTechniqueRepeats + LimitTolerance)
      return rows[i].Token;
  }
  return {};
}

} // namespace

std::vector<std::string> SplitTokens(const std::string& text) {
  std::vector<std::string> tokens;
  std::size_t start = 0;
  for (std::size_t blank; (blank = text.find(' ', start)) != std::string::npos; start = blank + 1)
    tokens.push_back(text.substr(start, blank - start));
  tokens.push_back(text.substr(start));
  return tokens;
}

TDeclaredToken SplitFactor(const std::string& token) {
  if (token.find("*0.5") == std::string::npos && token.find("*0.3") == std::string::npos)
    return {token, 1};
  const std::size_t star = token.find('*');
  return {token.substr(0, star), StrToFloat(Trim(token.substr(star + 1)))};
}

void CalculateDD(const TCoachCardTables& tables, int hybridFamilies, int bonusFamilies,
                 const std::string& difficultyText, const std::string& bonusText,
                 TDDCalculation& result) {
  result = TDDCalculation();
  hybridFamilies = std::clamp(hybridFamilies, 0, static_cast<int>(tables.HybridTable.size()));
  bonusFamilies = std::clamp(bonusFamilies, 0, static_cast<int>(tables.BonusTable.size()));
  const std::string difficulty = Trim(difficultyText);
  const std::string bonus = Trim(bonusText);
  std::array<double, DeclarationKinds.size()> weights{};
  double total = 0;

  if (!difficulty.empty()) {
    for (const std::string& text : SplitTokens(difficulty))
      PriceHybrid(tables, hybridFamilies, SplitFactor(text), weights, total, result.Breakdown);
  }

  std::string message;
  for (std::size_t k = 0; k < DeclarationKinds.size(); ++k)
    if (weights[k] > MaxDeclarationsPerKind + LimitTolerance)
      message += std::string(" Exceeds declarations ") + DeclarationKinds[k];
  if (!message.empty())
    message = "Exceeded declarations \r" + message;

  if (!difficulty.empty()) {
    result.TechniqueRows = TechniqueRows(SplitTokens(difficulty));
    const std::string repeated = RepeatedTechnique(result.TechniqueRows);
    if (!repeated.empty())
      message += "\r Exceeds techniques (" + repeated + ")";
  }

  if (!bonus.empty()) {
    for (const std::string& text : SplitTokens(bonus))
      total += PriceBonus(tables, bonusFamilies, SplitFactor(text));
  }

  result.Total = total + BaseDD;
  result.Message = message;
}

} // namespace marivo
