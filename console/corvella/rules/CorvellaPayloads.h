#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marivo::corvella {

// Payloads of the earlier rules, read with the same Before and After as every payload. A judge
// number that is no integer raises EConvertError.

// FS: the judge number and the items filed for it. Judges 1-10 and free-routine difficulty
// judges: the score; technical element judges: five element scores (the fifth the untrimmed
// rest); time keeper: walk-on, deck and routine time ("0:00" written "0:00.0"); head judge: time
// and technical penalty; any other number: none.
struct TFinalScores {
  int Judge = 0;
  std::vector<std::string> Items;
};
TFinalScores ParseFinalScores(std::string_view payload, bool technical);

// SD from another console, by its sender number: the items in the order they are filed, the
// first untrimmed. None for a number outside 1..17.
std::vector<std::string> ParseRelayedScore(int sender, std::string_view payload, bool technical);

// Where a judge's scores go in the head judge's grid: a column and its rows from FirstRow on.
struct TGridSpan {
  int Col = 0;
  int FirstRow = 0;
  int Rows = 0;
};
// Judges 1-15 only: the time keeper and the head judge have no column.
std::optional<TGridSpan> HeadJudgeCells(int judge, bool technical);

// SD payloads the console sends.
std::string SingleScorePayload(const std::string& score);
std::string ElementScoresPayload(const std::array<std::string, 5>& scores);
std::string PenaltiesPayload(const std::string& timePenalty, const std::string& technicalPenalty);

// The head judge's grid: row headings by discipline (row 0 empty) and column headings.
std::vector<std::string> HeadJudgeRowLabels(bool technical);
inline constexpr int HeadJudgeColumns = 6;
std::string HeadJudgeColumnLabel(int col);
// The text a cell of a column shows: a trimmed "0.0" is shown empty, except in the technical
// grid's element rows (3 and below) while any element row of the column holds something else
// (an empty cell counts as something else).
std::string HeadJudgeCellText(const std::vector<std::string>& column, int row);

} // namespace marivo::corvella
