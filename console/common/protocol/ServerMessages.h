#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace marivo {

// Readers of the payloads the meet server sends. Each walks its payload with Before and After, so
// a missing separator gives empty items instead of stopping; a judge number or count that is no
// integer raises EConvertError, which the console reports as a conversion error. No reader looks
// past the end of its payload, whatever bytes arrive.

// The role's number, or 0 when it matches no role (a frame from an unknown sender).
int SenderNumber(std::string_view roleCode);

// A whole number in a payload: decimal digits with an optional sign, blanks around them allowed.
// Anything else (hex, a blank after the sign, trailing text) is an EConvertError.
int PayloadInteger(const std::string& text);

// XX: the full-screen score table, 7 rows of 7 cells, Cells[row][col].
inline constexpr int ScoreTableSize = 7;
using TScoreTable = std::array<std::array<std::string, ScoreTableSize>, ScoreTableSize>;
TScoreTable ParseScoreTable(std::string_view payload);

// AI: the texts of the start order, club and athletes labels and the STC panel flag.
struct TAthletes {
  std::string StartOrder;
  std::string Club;
  std::string Athletes;
  std::string PanelFlag;
};
TAthletes ParseAthletes(std::string_view payload);

// PR: the start order (trimmed) and the three scoreboard values as sent.
struct TScoreboard {
  std::string Order;
  std::array<std::string, 3> Values;
};
TScoreboard ParseScoreboard(std::string_view payload);

// A judge number and the items that follow it, trimmed.
struct TJudgeItems {
  int Judge = 0;
  std::vector<std::string> Items;
};

// FP: k items for an element judge, three for an impression judge, none for any other number.
TJudgeItems ParsePreviousScores(std::string_view payload, int elementCount);

// FS: the items for judge n as the console shows them, "no score" items already made empty:
// element judge k + 1 items; impression judge three; STC the small, obvious and major counts as
// texts; time keeper walk-on, deck and routine time ("0:00" written "0:00.0"); referees the time
// and technical penalty; any other number none.
TJudgeItems ParseFinalScores(std::string_view payload, int elementCount);

// AE: k rows of six texts, the sixth with "0" appended. A count outside 0..99 is a conversion
// error as well: it sizes the element grids.
inline constexpr int MaxElementCount = 99;
using TElementRow = std::array<std::string, 6>;
std::vector<TElementRow> ParseElementList(std::string_view payload);

// FD: the flag string of each of rowCount difficulty grid rows.
TJudgeItems ParseDecisionFlags(std::string_view payload, int rowCount);

// DS: the flag string of each of rowCount elements; the DD item after each is skipped.
TJudgeItems ParseDecisionSheet(std::string_view payload, int rowCount);

// Character 1-5 of a flag string (Pass, Fail, Rev, Rev P, Rev F); empty beyond its end.
std::string DecisionFlag(const std::string& flags, int position);

// EI: discipline code (untrimmed) and event name.
struct TEventInfo {
  std::string Discipline;
  std::string EventName;
};
TEventInfo ParseEventInfo(std::string_view payload);

// ST: the moment the routine clock started, days since 1899-12-30; raises EConvertError when it
// is no number.
double ParseClockStart(std::string_view payload);

// SP: an STC event of another console, each field trimmed.
struct TSTCEvent {
  std::string Kind;
  std::string Time;
  std::string Action;
};
TSTCEvent ParseSTCEvent(std::string_view payload);

// TX: the role code the receipt is addressed to, untrimmed.
std::string ParseReceiptAddressee(std::string_view payload);

// SD: the items of a relayed score in the order the referees' grid takes them: element judge k
// items; impression judge three; STC small, obvious, major; time keeper walk-on, deck, routine;
// referees time and technical penalty; any other sender none.
std::vector<std::string> ParseRelayedScore(int sender, std::string_view payload, int elementCount);

} // namespace marivo
