#include "console/corvella/rules/OneDecimalScores.h"

#include "console/common/rules/ScoreEntry.h"
#include "platform/rtl/TextUtils.h"

#include <cctype>

namespace marivo::corvella {

namespace {

// Keys after which an element edit is not checked: Backspace, Tab, Enter, Shift, Esc, Delete.
constexpr unsigned PassiveKeys[] = {0x08, 0x09, 0x0D, 0x10, 0x1B, 0x2E};

bool IsDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

std::string KeyDigits(int value) {
  return value == KeyTen ? std::string("10") : std::to_string(value);
}

} // namespace

std::string OneDecimalAfterKey(const std::string& text, int value) {
  if (value == KeyClear)
    return "0.0";
  if (value == KeyTen)
    return "10.0";
  const std::string current = Trim(text).empty() ? std::string("0.0") : Trim(text);
  if (value < 0 || value > 9)
    return text;
  const std::size_t point = current.find('.');
  std::string whole;
  if (point == std::string::npos)
    whole = current.substr(current.size() - 1);
  else
    whole = point + 1 < current.size() ? current.substr(point + 1, 1) : std::string("0");
  return whole + "." + std::to_string(value);
}

TElementStep ElementAfterKeypad(const std::string& text, int value) {
  if (value == KeyClear)
    return {};
  if (value < 0 || value > KeyTen)
    return {text, false};
  // A new score replaces a finished one.
  std::string s = text.find('.') != std::string::npos ? std::string() : text;
  s += KeyDigits(value);
  if (s.size() > 2)
    s = s.substr(1, 2);
  const bool complete = s.size() == 2;
  if (complete && s.find('.') == std::string::npos)
    s = value == KeyTen ? std::string("10.0") : s.substr(0, 1) + "." + s.substr(1, 1);
  return {s, complete};
}

TElementKeyUp ElementAfterKeyUp(const std::string& text, unsigned key) {
  std::string s = text;
  // "-", "+" and "=" all stand for a ten.
  if (s.find_first_of("-+=") != std::string::npos)
    s = "10.0";
  if (s.empty())
    return {s, TKeyUpAction::SelectAll};
  for (unsigned passive : PassiveKeys)
    if (key == passive)
      return {s, TKeyUpAction::None};
  if (s.size() == 2 && s.find('.') == std::string::npos)
    s = s.substr(0, 1) + "." + s.substr(1, 1);
  return {s, TKeyUpAction::Validate};
}

std::optional<double> ParseScore(std::string_view text) {
  const std::string s = Trim(std::string(text));
  std::size_t at = 0;
  double value = 0;
  bool digits = false;
  for (; at < s.size() && IsDigit(s[at]); ++at, digits = true)
    value = value * 10 + (s[at] - '0');
  if (at < s.size() && s[at] == '.') {
    double scale = 0.1;
    for (++at; at < s.size() && IsDigit(s[at]); ++at, digits = true, scale /= 10)
      value += (s[at] - '0') * scale;
  }
  if (!digits || at != s.size())
    return std::nullopt;
  return value;
}

TElementCheck CheckElementScore(const std::string& text) {
  const std::string trimmed = Trim(text);
  if (trimmed.empty())
    return {TElementState::Blank, trimmed};
  const std::optional<double> value = ParseScore(trimmed);
  if (value && *value <= 10.0)
    return {TElementState::Valid, trimmed};
  return {TElementState::Invalid, text};
}

} // namespace marivo::corvella
