#include "console/common/rules/STCTool.h"

#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace marivo {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool AllDigits(std::string_view text) {
  if (text.empty())
    return false;
  for (char c : text)
    if (!IsDigit(c))
      return false;
  return true;
}

int Digits(std::string_view text) {
  int value = 0;
  for (char c : text)
    value = value * 10 + (c - '0');
  return value;
}

// The end time written after the "-" of a timing text, in tenths.
bool ElementEnd(const std::string& timing, int& tenths) {
  const std::size_t dash = timing.find('-');
  if (dash == std::string::npos)
    return false;
  const std::string_view end = std::string_view(timing).substr(dash + 1);
  if (end.size() < 4 || end[1] != ':' || !IsDigit(end[0]) || !IsDigit(end[2]) || !IsDigit(end[3]))
    return false;
  tenths = (end[0] - '0') * 600 + Digits(end.substr(2, 2)) * 10;
  return true;
}

void Mark(std::string& timing) {
  if (timing.find('*') == std::string::npos)
    timing.insert(0, 1, '*');
}

} // namespace

int TimeTextToTenths(const std::string& text) {
  const std::string_view view(text);
  const std::size_t colon = view.find(':');
  const std::string_view minutes = view.substr(0, colon);
  const bool hasRest = colon != view.npos && colon + 3 <= view.size();
  const std::string_view seconds = hasRest ? view.substr(colon + 1, 2) : "";
  const std::string_view tenth = hasRest ? view.substr(colon + 3) : "";
  // Six digits of minutes keep the tenths within an int.
  if (!AllDigits(minutes) || minutes.size() > 6 || seconds.size() != 2 || !AllDigits(seconds) ||
      tenth.size() < 2 || tenth[0] != '.' || !IsDigit(tenth[1]))
    throw EConvertError("'" + text + "' is not a valid time");
  return Digits(minutes) * 600 + Digits(seconds) * 10 + (tenth[1] - '0');
}

std::string RoutineClockText(double days) {
  if (!(days >= 0))
    return "0:00.0";
  const TDateTimeParts parts = DecodeDateTime(days);
  char text[16];
  std::snprintf(text, sizeof text, "%d:%02d.%d", parts.Minute % 10, parts.Second,
                parts.Millisecond / 100);
  return text;
}

std::string ClockOffsetText(double offsetDays) {
  const double milliseconds = std::round(std::fabs(offsetDays) * 86400000.0);
  const int part =
      std::isfinite(milliseconds) ? static_cast<int>(std::fmod(milliseconds, 1000.0)) : 0;
  char text[8];
  std::snprintf(text, sizeof text, "%02d", part);
  return std::string("Time: Offset=") + text + "ms";
}

std::string STCTotalText(long long small, long long obvious, long long major) {
  const long long tenths = small + 5 * obvious + 30 * major;
  const long long size = std::llabs(tenths);
  return (tenths < 0 ? "-" : "") + std::to_string(size / 10) + "." + std::to_string(size % 10);
}

std::vector<std::string> MarkPassedElements(std::vector<std::string> column, int elementRows,
                                            int clockTenths) {
  // An element list without elements leaves only the grid's foot, which is no element to mark.
  if (elementRows < 1 || column.size() < 2)
    return column;
  Mark(column[1]);
  for (std::size_t r = 1; r + 1 < column.size(); ++r) {
    int end = 0;
    if (column[r + 1].find('*') == std::string::npos && ElementEnd(column[r], end) &&
        end < clockTenths)
      Mark(column[r + 1]);
  }
  return column;
}

std::string STCLogLine(double now, const std::string& event, const std::string& order,
                       const std::string& stcNumber, const std::string& time) {
  const TDateTimeParts parts = DecodeDateTime(now);
  char date[32];
  std::snprintf(date, sizeof date, "%02d-%02d-%02d %02d:%02d.%02d", parts.Year % 100, parts.Month,
                parts.Day, parts.Hour, parts.Minute, parts.Second);
  return std::string(date) + '\t' + event + '\t' + order + '\t' + stcNumber + '\t' + time + "\r\n";
}

} // namespace marivo
