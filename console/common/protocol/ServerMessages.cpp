#include "console/common/protocol/ServerMessages.h"

#include "console/common/protocol/Protocol.h"
#include "console/common/protocol/RoleCodes.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/TextUtils.h"

namespace marivo {

namespace {

// Walks a payload: each step takes the text before a separator and keeps the text after it, as
// Before and After do, without copying the rest at every step.
class TPayloadWalk {
public:
  explicit TPayloadWalk(std::string_view payload) : Rest_(payload) {}

  std::string_view NextView(char separator) {
    const std::size_t at = Rest_.find(separator);
    if (at == std::string_view::npos)
      return {};
    const std::string_view item = Rest_.substr(0, at);
    Rest_.remove_prefix(at + 1);
    return item;
  }
  std::string Next(char separator) { return std::string(NextView(separator)); }
  // Trimmed on the view, so an item costs one copy.
  std::string NextTrimmed(char separator) {
    std::string_view item = NextView(separator);
    while (!item.empty() && static_cast<unsigned char>(item.front()) <= ' ')
      item.remove_prefix(1);
    while (!item.empty() && static_cast<unsigned char>(item.back()) <= ' ')
      item.remove_suffix(1);
    return std::string(item);
  }
  void Skip(char separator) { NextView(separator); }
  std::string_view Rest() const { return Rest_; }

private:
  std::string_view Rest_;
};

// "0.00" in a final score means the judge gave none.
std::string ScoreOrEmpty(std::string item) {
  return item == "0.00" ? std::string() : item;
}

std::string FullTime(std::string time) {
  return time == "0:00" ? std::string("0:00.0") : time;
}

std::vector<std::string> TrimmedItems(TPayloadWalk& walk, int count) {
  std::vector<std::string> items;
  items.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i)
    items.push_back(walk.NextTrimmed(DC2));
  return items;
}

TJudgeItems ReadJudgeNumber(TPayloadWalk& walk) {
  TJudgeItems result;
  result.Judge = PayloadInteger(walk.Next(DC1));
  return result;
}

} // namespace

int SenderNumber(std::string_view roleCode) {
  const std::optional<int> index = FindRoleIndex(roleCode);
  return index ? *index + 1 : 0;
}

TScoreTable ParseScoreTable(std::string_view payload) {
  TPayloadWalk walk(payload.empty() ? payload : payload.substr(1));
  TScoreTable table;
  for (auto& row : table) {
    for (auto& cell : row)
      cell = walk.Next('^');
  }
  return table;
}

TAthletes ParseAthletes(std::string_view payload) {
  TPayloadWalk walk(payload);
  TAthletes result;
  const std::string order = walk.Next(DC1);
  result.StartOrder = order.size() > 2 ? order.substr(2) : std::string();
  const std::string names = walk.Next(DC2);
  if (names.find(';') != std::string::npos) {
    result.Club = Before(names, ';');
    // The server ends the athletes with ";": the last character is never shown.
    std::string rest = Trim(After(names, ';'));
    if (!rest.empty())
      rest.pop_back();
    result.Athletes = " " + rest;
  } else {
    result.Club = " ";
    result.Athletes = " " + names;
  }
  result.PanelFlag = std::string(walk.Rest());
  return result;
}

TScoreboard ParseScoreboard(std::string_view payload) {
  TPayloadWalk walk(payload);
  TScoreboard result;
  result.Order = walk.NextTrimmed(DC1);
  TPayloadWalk values(walk.NextView(DC2));
  result.Values[0] = values.Next('^');
  result.Values[1] = values.Next('^');
  result.Values[2] = std::string(values.Rest());
  return result;
}

TJudgeItems ParsePreviousScores(std::string_view payload, int elementCount) {
  TPayloadWalk walk(payload);
  TJudgeItems result = ReadJudgeNumber(walk);
  const std::optional<TRoleKind> kind = JudgeKind(result.Judge);
  if (kind == TRoleKind::ElementJudge)
    result.Items = TrimmedItems(walk, elementCount);
  else if (kind == TRoleKind::ImpressionJudge)
    result.Items = TrimmedItems(walk, 3);
  return result;
}

TJudgeItems ParseFinalScores(std::string_view payload, int elementCount) {
  TPayloadWalk walk(payload);
  TJudgeItems result = ReadJudgeNumber(walk);
  const std::optional<TRoleKind> kind = JudgeKind(result.Judge);
  auto& items = result.Items;
  if (kind == TRoleKind::ElementJudge || kind == TRoleKind::ImpressionJudge) {
    items = TrimmedItems(walk, kind == TRoleKind::ElementJudge ? elementCount + 1 : 3);
    for (auto& item : items)
      item = ScoreOrEmpty(item);
  } else if (kind == TRoleKind::SynchronizationController) {
    items = TrimmedItems(walk, 3);
    items[0] = ScoreOrEmpty(items[0]);
  } else if (kind == TRoleKind::TimeKeeper) {
    items.push_back(FullTime(ScoreOrEmpty(walk.NextTrimmed(DC2))));
    items.push_back(FullTime(walk.NextTrimmed(DC3)));
    items.push_back(FullTime(walk.NextTrimmed(DC4)));
  } else if (kind == TRoleKind::Referee) {
    items.push_back(ScoreOrEmpty(walk.NextTrimmed(DC2)));
    items.push_back(walk.NextTrimmed(DC3));
  }
  return result;
}

int PayloadInteger(const std::string& text) {
  const std::string trimmed = Trim(text);
  // The runtime's own conversion also reads "$" hex, which no server sends.
  if (trimmed.find('$') != std::string::npos)
    throw EConvertError("'" + text + "' is not a valid integer value");
  return StrToInt(trimmed);
}

std::vector<TElementRow> ParseElementList(std::string_view payload) {
  TPayloadWalk walk(payload);
  const std::string countText = walk.Next(DC1);
  const int count = PayloadInteger(countText);
  if (count < 0 || count > MaxElementCount)
    throw EConvertError("'" + countText + "' is not a valid element count");
  std::vector<TElementRow> rows(static_cast<std::size_t>(count));
  for (auto& row : rows) {
    for (auto& cell : row)
      cell = walk.NextTrimmed(DC2);
    row[5] += "0";
  }
  return rows;
}

TJudgeItems ParseDecisionFlags(std::string_view payload, int rowCount) {
  TPayloadWalk walk(payload);
  TJudgeItems result = ReadJudgeNumber(walk);
  result.Items = TrimmedItems(walk, rowCount);
  return result;
}

TJudgeItems ParseDecisionSheet(std::string_view payload, int rowCount) {
  TPayloadWalk walk(payload);
  TJudgeItems result = ReadJudgeNumber(walk);
  for (int row = 0; row < rowCount; ++row) {
    result.Items.push_back(walk.NextTrimmed(DC2));
    walk.Skip(DC2);
  }
  return result;
}

std::string DecisionFlag(const std::string& flags, int position) {
  return position >= 1 && position <= 5 && static_cast<std::size_t>(position) <= flags.size()
             ? flags.substr(static_cast<std::size_t>(position) - 1, 1)
             : std::string();
}

TEventInfo ParseEventInfo(std::string_view payload) {
  TPayloadWalk walk(payload);
  TEventInfo result;
  result.Discipline = walk.Next(DC1);
  result.EventName = walk.Next(DC2);
  return result;
}

double ParseClockStart(std::string_view payload) {
  return StrToFloat(Trim(Before(After(payload, DC1), DC2)));
}

TSTCEvent ParseSTCEvent(std::string_view payload) {
  TPayloadWalk walk(payload);
  walk.Skip(DC1);
  TSTCEvent result;
  result.Kind = walk.NextTrimmed(DC2);
  result.Time = walk.NextTrimmed(DC3);
  result.Action = walk.NextTrimmed(DC4);
  return result;
}

std::string ParseReceiptAddressee(std::string_view payload) {
  return Before(payload, DC1);
}

std::vector<std::string> ParseRelayedScore(int sender, std::string_view payload, int elementCount) {
  TPayloadWalk walk(payload);
  const std::optional<TRoleKind> kind = JudgeKind(sender);
  if (kind == TRoleKind::ElementJudge || kind == TRoleKind::ImpressionJudge) {
    walk.Skip(DC1);
    return TrimmedItems(walk, kind == TRoleKind::ElementJudge ? elementCount : 3);
  }
  if (kind == TRoleKind::SynchronizationController) {
    walk.Skip(DC1);
    std::vector<std::string> items;
    items.push_back(walk.NextTrimmed(DC2));
    items.push_back(walk.NextTrimmed(DC3));
    items.push_back(walk.NextTrimmed(DC4));
    return items;
  }
  if (kind == TRoleKind::TimeKeeper) {
    std::vector<std::string> items;
    items.push_back(walk.Next(DC1));
    items.push_back(walk.NextTrimmed(DC2));
    items.push_back(walk.NextTrimmed(DC3));
    return items;
  }
  if (kind == TRoleKind::Referee) {
    std::vector<std::string> items;
    items.push_back(walk.Next(DC1));
    items.push_back(walk.NextTrimmed(DC2));
    return items;
  }
  return {};
}

} // namespace marivo
