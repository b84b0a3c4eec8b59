#include "console/common/protocol/ServerMessages.h"
#include "platform/rtl/Exceptions.h"
#include "tests/console/common/protocol/fuzz/FuzzChecks.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace marivo;
using fuzz::Check;
using fuzz::Contains;

// A conversion error is the console's answer to a bad number; any other escape is a fault.
template <class F> void Tolerating(F&& parse) {
  try {
    parse();
  } catch (const EConvertError&) {
  }
}

// Every text a reader hands out comes from its payload (an appended "0" or a fixed filler aside).
void CheckReaders(std::string_view payload, int count) {
  for (const auto& row : ParseScoreTable(payload)) {
    for (const auto& cell : row)
      Check(Contains(payload, cell) && cell.find('^') == std::string::npos);
  }

  const TAthletes athletes = ParseAthletes(payload);
  Check(Contains(payload, athletes.StartOrder));
  Check(athletes.Club == " " || Contains(payload, athletes.Club));
  Check(!athletes.Athletes.empty() && athletes.Athletes[0] == ' ');
  Check(Contains(payload, athletes.PanelFlag));

  const TScoreboard board = ParseScoreboard(payload);
  for (const auto& value : board.Values)
    Check(Contains(payload, value));

  Tolerating([&] {
    const TJudgeItems scores = ParsePreviousScores(payload, count);
    Check(scores.Items.size() <= static_cast<std::size_t>(count < 3 ? 3 : count));
  });
  Tolerating([&] {
    const TJudgeItems scores = ParseFinalScores(payload, count);
    Check(scores.Items.size() <= static_cast<std::size_t>(count < 3 ? 3 : count + 1));
    for (const auto& item : scores.Items)
      Check(item != "0.00" || scores.Judge > 10);
  });
  Tolerating([&] {
    const auto rows = ParseElementList(payload);
    Check(rows.size() <= static_cast<std::size_t>(MaxElementCount));
    for (const auto& row : rows)
      Check(!row[5].empty() && row[5].back() == '0');
  });
  Tolerating([&] {
    const TJudgeItems flags = ParseDecisionFlags(payload, count);
    Check(flags.Items.size() == static_cast<std::size_t>(count));
    for (const auto& item : flags.Items) {
      for (int position = 0; position <= 6; ++position)
        Check(DecisionFlag(item, position).size() <= 1);
    }
  });
  Tolerating([&] {
    Check(ParseDecisionSheet(payload, count).Items.size() == static_cast<std::size_t>(count));
  });

  const TEventInfo event = ParseEventInfo(payload);
  Check(Contains(payload, event.Discipline) && Contains(payload, event.EventName));
  Tolerating([&] { ParseClockStart(payload); });
  const TSTCEvent stc = ParseSTCEvent(payload);
  Check(Contains(payload, stc.Kind) && Contains(payload, stc.Time) &&
        Contains(payload, stc.Action));
  Check(Contains(payload, ParseReceiptAddressee(payload)));

  for (int sender = -1; sender <= 21; ++sender) {
    for (const auto& item : ParseRelayedScore(sender, payload, count))
      Check(Contains(payload, item));
  }
}

} // namespace

// The first byte picks the element count; the rest is the payload.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0)
    return 0;
  const int count = data[0] % (MaxElementCount + 2);
  const std::string payload(reinterpret_cast<const char*>(data + 1), size - 1);
  CheckReaders(payload, count);
  SenderNumber(payload);
  return 0;
}
