#pragma once

#include <cstdint>
#include <string>

namespace marivo {

// Text helpers on 8-bit strings. Case rules are ASCII only; numbers always use '.' whatever the
// locale. Conversion failures raise EConvertError naming the text.

// Remove leading and/or trailing characters <= ' ' (control characters included).
std::string Trim(const std::string& s);
std::string TrimLeft(const std::string& s);
std::string TrimRight(const std::string& s);

// The case typed letters take in an edit: a to z and A to Z only.
enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

std::string UpperCase(const std::string& s);
std::string LowerCase(const std::string& s);
bool SameText(const std::string& a, const std::string& b);
int CompareText(const std::string& a, const std::string& b); // <0, 0 or >0

// 1-based. Copy clamps index to 1 and count to the text; Pos gives 0 when absent or substr is "".
std::string Copy(const std::string& s, int index, int count);
int Pos(const std::string& substr, const std::string& s);

std::string IntToStr(std::int64_t value);
// Optional sign, then decimal digits or '$' and hex digits; no blanks; overflow is an error.
int StrToInt(const std::string& s);
bool TryStrToInt(const std::string& s, int& value);
std::int64_t StrToInt64(const std::string& s);
bool TryStrToInt64(const std::string& s, std::int64_t& value);

// Optional blanks around [sign] digits [. digits] [e [sign] digits]; out of range is an error.
double StrToFloat(const std::string& s);
bool TryStrToFloat(const std::string& s, double& value);

// Pattern: '#' and '0' placeholders (at least as many integer digits as '0's), optionally '.'
// and N '0's. Rounds the shortest round-trip decimal form half away from zero to N decimals.
// Non-finite values give "INF", "-INF" or "NAN"; a malformed pattern raises EConvertError.
std::string FormatFloat(const std::string& pattern, double value);
// At most 15 significant digits, no trailing zeros; magnitudes >= 1E15 or < 1E-4 as "1.5E-7".
std::string FloatToStr(double value);

// The folder with a backslash at its end, unless it already ends in one (a drive's root).
std::string IncludeTrailingPathDelimiter(const std::string& folder);

} // namespace marivo
