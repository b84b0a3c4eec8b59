#include "console/corvella/rules/CorvellaPayloads.h"

#include "console/common/protocol/Protocol.h"
#include "console/common/protocol/ServerMessages.h"
#include "console/corvella/rules/CorvellaRoles.h"
#include "platform/rtl/TextUtils.h"

namespace marivo::corvella {

namespace {

// Walks a payload as Before then After do: a missing separator gives an empty item and leaves
// the rest whole.
class TWalk {
public:
  explicit TWalk(std::string_view payload) : Rest_(payload) {}
  std::string Next(char separator) {
    const std::string item = Before(Rest_, separator);
    Rest_ = After(Rest_, separator);
    return item;
  }
  std::string NextTrimmed(char separator) { return Trim(Next(separator)); }
  const std::string& Rest() const { return Rest_; }

private:
  std::string Rest_;
};

constexpr int ElementRows = 5;
constexpr int FirstElementRow = 3;

std::string FullTime(std::string time) {
  return time == "0:00" ? std::string("0:00.0") : time;
}

} // namespace

TFinalScores ParseFinalScores(std::string_view payload, bool technical) {
  TWalk walk(payload);
  TFinalScores result;
  result.Judge = PayloadInteger(std::string(walk.Next(DC1)));
  const std::optional<TRoleKind> kind = JudgeKind(result.Judge);
  auto& items = result.Items;
  if (kind == TRoleKind::DifficultyJudge && technical) {
    items.push_back(walk.NextTrimmed(DC2));
    items.push_back(walk.NextTrimmed(DC3));
    items.push_back(walk.NextTrimmed(DC4));
    items.push_back(walk.NextTrimmed(DC5));
    items.push_back(walk.Rest());
  } else if (kind == TRoleKind::TimeKeeper) {
    items.push_back(FullTime(walk.NextTrimmed(DC2)));
    items.push_back(FullTime(walk.NextTrimmed(DC3)));
    items.push_back(FullTime(walk.NextTrimmed(DC4)));
  } else if (kind == TRoleKind::Referee) {
    items.push_back(walk.NextTrimmed(DC2));
    items.push_back(walk.NextTrimmed(DC3));
  } else if (kind) {
    items.push_back(walk.NextTrimmed(DC2));
  }
  return result;
}

std::vector<std::string> ParseRelayedScore(int sender, std::string_view payload, bool technical) {
  const std::optional<TRoleKind> kind = JudgeKind(sender);
  if (!kind)
    return {};
  TWalk walk(payload);
  std::vector<std::string> items{walk.Next(DC1)};
  if (kind == TRoleKind::DifficultyJudge && technical) {
    for (char separator : {DC2, DC3, DC4, DC5})
      items.push_back(walk.NextTrimmed(separator));
  } else if (kind == TRoleKind::TimeKeeper) {
    items.push_back(walk.NextTrimmed(DC2));
    items.push_back(walk.NextTrimmed(DC3));
  } else if (kind == TRoleKind::Referee) {
    items.push_back(walk.NextTrimmed(DC2));
  }
  return items;
}

std::optional<TGridSpan> HeadJudgeCells(int judge, bool technical) {
  // Each panel's judges take columns 1 to 5 in their order.
  const std::optional<TRoleKind> kind = JudgeKind(judge);
  const int col = NumberInKind(judge - 1);
  if (kind == TRoleKind::ExecutionJudge)
    return TGridSpan{col, 1, 1};
  if (kind == TRoleKind::ImpressionJudge)
    return TGridSpan{col, 2, 1};
  if (kind == TRoleKind::DifficultyJudge)
    return TGridSpan{col, FirstElementRow, technical ? ElementRows : 1};
  return std::nullopt;
}

std::string SingleScorePayload(const std::string& score) {
  return score + DC1;
}

std::string ElementScoresPayload(const std::array<std::string, 5>& scores) {
  const char separators[] = {DC1, DC2, DC3, DC4, DC5};
  std::string payload;
  for (std::size_t i = 0; i < scores.size(); ++i)
    payload += scores[i] + separators[i];
  return payload;
}

std::string PenaltiesPayload(const std::string& timePenalty, const std::string& technicalPenalty) {
  return timePenalty + DC1 + technicalPenalty + DC2;
}

std::vector<std::string> HeadJudgeRowLabels(bool technical) {
  if (!technical)
    return {"", "Execution", "Art. Impression", "Difficulty"};
  std::vector<std::string> labels{"", "Execution", "Impression"};
  for (int element = 1; element <= ElementRows; ++element)
    labels.push_back("Element " + std::to_string(element));
  return labels;
}

std::string HeadJudgeColumnLabel(int col) {
  return col >= 1 && col < HeadJudgeColumns ? "Judge " + std::to_string(col) : std::string();
}

std::string HeadJudgeCellText(const std::vector<std::string>& column, int row) {
  const auto cell = [&column](int r) {
    return r >= 0 && r < static_cast<int>(column.size()) ? column[static_cast<std::size_t>(r)]
                                                         : std::string();
  };
  const std::string text = cell(row);
  if (Trim(text) != "0.0")
    return text;
  const bool elementGrid = column.size() == FirstElementRow + ElementRows;
  if (elementGrid && row >= FirstElementRow) {
    for (int r = FirstElementRow; r < FirstElementRow + ElementRows; ++r)
      if (Trim(cell(r)) != "0.0")
        return text;
  }
  return {};
}

} // namespace marivo::corvella
