#include "platform/rtl/TextUtils.h"

#include "platform/rtl/Exceptions.h"
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace marivo {

namespace {

bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

char ToUpperAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

char ToLowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int HexDigitValue(char c) {
  if (IsDigit(c))
    return c - '0';
  const char upper = ToUpperAscii(c);
  if (upper >= 'A' && upper <= 'F')
    return upper - 'A' + 10;
  return -1;
}

bool ParseInteger(const std::string& s, std::int64_t min, std::int64_t max, std::int64_t& value) {
  std::size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    negative = s[i] == '-';
    ++i;
  }
  unsigned base = 10;
  if (i < s.size() && s[i] == '$') {
    base = 16;
    ++i;
  }
  if (i == s.size())
    return false;
  std::uint64_t magnitude = 0;
  for (; i < s.size(); ++i) {
    const int digit = base == 16 ? HexDigitValue(s[i]) : (IsDigit(s[i]) ? s[i] - '0' : -1);
    if (digit < 0)
      return false;
    if (magnitude > (std::numeric_limits<std::uint64_t>::max() - digit) / base)
      return false;
    magnitude = magnitude * base + digit;
  }
  // The negative limit is computed without negating min, which would overflow for INT64_MIN.
  const std::uint64_t limit =
      negative ? static_cast<std::uint64_t>(-(min + 1)) + 1 : static_cast<std::uint64_t>(max);
  if (magnitude > limit)
    return false;
  if (!negative)
    value = static_cast<std::int64_t>(magnitude);
  else
    value = magnitude == 0 ? 0 : -static_cast<std::int64_t>(magnitude - 1) - 1;
  return true;
}

[[noreturn]] void RaiseInvalidInteger(const std::string& s) {
  throw EConvertError("'" + s + "' is not a valid integer value");
}

// A finite value as 0.Digits * 10^Point; Digits has no leading zero unless the value is zero.
struct TDecimal {
  bool Negative = false;
  std::string Digits;
  int Point = 0;
};

TDecimal ToDecimal(double value) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  const std::string text(buffer, result.ptr);
  TDecimal decimal;
  std::size_t i = 0;
  if (text[i] == '-') {
    decimal.Negative = true;
    ++i;
  }
  const std::size_t exponentAt = text.find('e');
  for (; i < exponentAt; ++i)
    if (text[i] != '.')
      decimal.Digits += text[i];
  decimal.Point = std::atoi(text.c_str() + exponentAt + 1) + 1;
  return decimal;
}

bool IsZero(const TDecimal& decimal) {
  return decimal.Digits.find_first_not_of('0') == std::string::npos;
}

// Keeps `keep` leading digits, rounding half away from zero on the first dropped digit.
void RoundDigits(TDecimal& decimal, int keep) {
  if (keep < 0) {
    decimal.Digits = "0";
    decimal.Point = 1;
    return;
  }
  if (static_cast<std::size_t>(keep) >= decimal.Digits.size())
    return;
  const bool roundUp = decimal.Digits[keep] >= '5';
  decimal.Digits.resize(keep);
  if (!roundUp) {
    if (decimal.Digits.empty())
      decimal.Digits = "0";
    return;
  }
  int i = keep - 1;
  for (; i >= 0 && decimal.Digits[i] == '9'; --i)
    decimal.Digits[i] = '0';
  if (i >= 0) {
    ++decimal.Digits[i];
  } else {
    decimal.Digits.insert(decimal.Digits.begin(), '1');
    ++decimal.Point;
  }
}

std::string FormatFixed(const TDecimal& decimal, int minIntegerDigits, int decimals) {
  std::string text;
  if (decimal.Negative && !IsZero(decimal))
    text += '-';
  const auto digitAt = [&](int index) {
    return index >= 0 && static_cast<std::size_t>(index) < decimal.Digits.size()
               ? decimal.Digits[index]
               : '0';
  };
  std::string integer;
  for (int i = 0; i < decimal.Point; ++i)
    integer += digitAt(i);
  const std::size_t firstSignificant = integer.find_first_not_of('0');
  integer.erase(0, firstSignificant == std::string::npos ? integer.size() : firstSignificant);
  if (integer.size() < static_cast<std::size_t>(minIntegerDigits))
    integer.insert(0, minIntegerDigits - integer.size(), '0');
  text += integer;
  if (decimals > 0) {
    text += '.';
    for (int i = 0; i < decimals; ++i)
      text += digitAt(decimal.Point + i);
  }
  return text;
}

std::string NonFiniteText(double value) {
  if (std::isnan(value))
    return "NAN";
  return value < 0 ? "-INF" : "INF";
}

} // namespace

std::string Trim(const std::string& s) {
  return TrimLeft(TrimRight(s));
}

std::string TrimLeft(const std::string& s) {
  std::size_t i = 0;
  while (i < s.size() && IsBlank(s[i]))
    ++i;
  return s.substr(i);
}

std::string TrimRight(const std::string& s) {
  std::size_t end = s.size();
  while (end > 0 && IsBlank(s[end - 1]))
    --end;
  return s.substr(0, end);
}

std::string UpperCase(const std::string& s) {
  std::string result = s;
  for (char& c : result)
    c = ToUpperAscii(c);
  return result;
}

std::string LowerCase(const std::string& s) {
  std::string result = s;
  for (char& c : result)
    c = ToLowerAscii(c);
  return result;
}

bool SameText(const std::string& a, const std::string& b) {
  return CompareText(a, b) == 0;
}

int CompareText(const std::string& a, const std::string& b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const int ca = static_cast<unsigned char>(ToUpperAscii(a[i]));
    const int cb = static_cast<unsigned char>(ToUpperAscii(b[i]));
    if (ca != cb)
      return ca - cb;
  }
  if (a.size() == b.size())
    return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::string Copy(const std::string& s, int index, int count) {
  if (count <= 0)
    return {};
  const std::size_t start = index < 1 ? 0 : static_cast<std::size_t>(index) - 1;
  if (start >= s.size())
    return {};
  return s.substr(start, static_cast<std::size_t>(count));
}

int Pos(const std::string& substr, const std::string& s) {
  if (substr.empty())
    return 0;
  const std::size_t found = s.find(substr);
  return found == std::string::npos ? 0 : static_cast<int>(found) + 1;
}

std::string IntToStr(std::int64_t value) {
  return std::to_string(value);
}

int StrToInt(const std::string& s) {
  int value = 0;
  if (!TryStrToInt(s, value))
    RaiseInvalidInteger(s);
  return value;
}

bool TryStrToInt(const std::string& s, int& value) {
  std::int64_t parsed = 0;
  if (!ParseInteger(s, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), parsed))
    return false;
  value = static_cast<int>(parsed);
  return true;
}

std::int64_t StrToInt64(const std::string& s) {
  std::int64_t value = 0;
  if (!TryStrToInt64(s, value))
    RaiseInvalidInteger(s);
  return value;
}

bool TryStrToInt64(const std::string& s, std::int64_t& value) {
  return ParseInteger(s, std::numeric_limits<std::int64_t>::min(),
                      std::numeric_limits<std::int64_t>::max(), value);
}

double StrToFloat(const std::string& s) {
  double value = 0;
  if (!TryStrToFloat(s, value))
    throw EConvertError("'" + s + "' is not a valid floating point value");
  return value;
}

bool TryStrToFloat(const std::string& s, double& value) {
  const std::string text = Trim(s);
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-'))
    ++i;
  // from_chars takes no '+', so parsing starts after it.
  const std::size_t numberStart = i > 0 && text[0] == '+' ? 1 : 0;
  std::size_t mantissaDigits = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i)
    ++mantissaDigits;
  if (i < text.size() && text[i] == '.')
    for (++i; i < text.size() && IsDigit(text[i]); ++i)
      ++mantissaDigits;
  if (mantissaDigits == 0)
    return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
      ++i;
    std::size_t exponentDigits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
      ++exponentDigits;
    if (exponentDigits == 0)
      return false;
  }
  if (i != text.size())
    return false;
  double parsed = 0;
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data() + numberStart, end, parsed);
  if (result.ec != std::errc() || result.ptr != end || !std::isfinite(parsed))
    return false;
  value = parsed;
  return true;
}

std::string FormatFloat(const std::string& pattern, double value) {
  std::size_t i = 0;
  int minIntegerDigits = 0;
  for (; i < pattern.size() && (pattern[i] == '#' || pattern[i] == '0'); ++i)
    if (pattern[i] == '0')
      ++minIntegerDigits;
  int decimals = 0;
  if (i < pattern.size() && pattern[i] == '.')
    for (++i; i < pattern.size() && pattern[i] == '0'; ++i)
      ++decimals;
  if (pattern.empty() || i != pattern.size() || pattern.back() == '.')
    throw EConvertError("'" + pattern + "' is not a valid number format");
  if (!std::isfinite(value))
    return NonFiniteText(value);
  TDecimal decimal = ToDecimal(value);
  RoundDigits(decimal, decimal.Point + decimals);
  return FormatFixed(decimal, minIntegerDigits, decimals);
}

std::string FloatToStr(double value) {
  if (!std::isfinite(value))
    return NonFiniteText(value);
  if (value == 0)
    return "0";
  constexpr int significantDigits = 15;
  TDecimal decimal = ToDecimal(value);
  RoundDigits(decimal, significantDigits);
  decimal.Digits.erase(decimal.Digits.find_last_not_of('0') + 1);
  const int exponent = decimal.Point - 1;
  if (exponent >= significantDigits || exponent < -4) {
    std::string text = decimal.Negative ? "-" : "";
    text += decimal.Digits[0];
    if (decimal.Digits.size() > 1)
      text += "." + decimal.Digits.substr(1);
    return text + "E" + std::to_string(exponent);
  }
  const int decimals = std::max(0, static_cast<int>(decimal.Digits.size()) - decimal.Point);
  return FormatFixed(decimal, 1, decimals);
}

std::string IncludeTrailingPathDelimiter(const std::string& folder) {
  return !folder.empty() && folder.back() == '\\' ? folder : folder + '\\';
}

} // namespace marivo
