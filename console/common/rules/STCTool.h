#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace marivo {

// The synchronization controllers' counting tool: routine clock texts, the deduction total, the
// element rows the clock has passed, and the lines of the STC log file.

// A clock text m:ss.t in tenths of a second; EConvertError when the text has not that form.
int TimeTextToTenths(const std::string& text);

// The routine clock for a span of days (or the time of day of a date-time): the units digit of
// the minutes, two-digit seconds and the tenths. A negative span, from a computer clock set back
// during the routine, shows the start.
std::string RoutineClockText(double days);

// The label under a clock started by another console: the milliseconds of the difference between
// the two computers' clocks, whichever is ahead.
std::string ClockOffsetText(double offsetDays);

// 0.1 per small, 0.5 per obvious and 3.0 per major error, counted in tenths so that no binary
// fraction shows, as "n.n".
std::string STCTotalText(long long small, long long obvious, long long major);

// Column 0 of an element grid (row 0 the heading, each row's timing text such as "0:00-0:25")
// once the clock shows clockTenths: the first element row is marked with "*", and each row after
// an element whose end time the clock has passed. Marks are only added; a timing text that is
// too short or has no time after its "-" marks nothing, nor does a grid without element rows.
std::vector<std::string> MarkPassedElements(std::vector<std::string> column, int elementRows,
                                            int clockTenths);

// The heading of a new log file, its lone CR kept for the readers of files written before.
inline constexpr std::string_view STCLogHeading =
    "Delete or rename this file anytime. Open it in Excel.\r\nDate\tEvent\tOrder\tDATC\tTime\r\n\r";

// One major error: when it was written ("yy-mm-dd hh:nn.ss"), event, start order, STC number and
// the routine clock, TAB-separated, ended by CR LF.
std::string STCLogLine(double now, const std::string& event, const std::string& order,
                       const std::string& stcNumber, const std::string& time);

} // namespace marivo
