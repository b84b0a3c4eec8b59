#include "console/common/rules/ScoreEntry.h"

#include "platform/rtl/TextUtils.h"

namespace marivo {

namespace {

std::string FractionDigits(int value) {
  switch (value) {
  case 20:
    return "00";
  case 30:
    return "25";
  case 40:
    return "50";
  default:
    return "75";
  }
}

std::string WithFraction(const std::string& text, int value) {
  const std::size_t point = text.find('.');
  const std::string whole = point == std::string::npos ? std::string() : text.substr(0, point + 1);
  return whole + FractionDigits(value);
}

} // namespace

bool IsFractionKey(int value) {
  return value == 20 || value == 30 || value == 40 || value == 50;
}

std::string ScoreAfterKey(const std::string& text, int value) {
  if (value >= 0 && value <= 9)
    return IntToStr(value) + ".00";
  if (value == KeyTen)
    return "10.00";
  if (IsFractionKey(value))
    return WithFraction(text, value);
  return text;
}

std::string SingleScoreAfterKey(const std::string& text, int value) {
  if (value == KeyClear)
    return "0.00";
  const std::string current = Trim(text).empty() ? std::string("0.00") : text;
  if (value == 0)
    return current;
  return ScoreAfterKey(current, value);
}

std::string TimeAfterDigits(const std::string& time, const std::string& digits) {
  std::string s = time;
  if (const std::size_t point = s.find('.'); point != std::string::npos)
    s.erase(point, 1);
  if (const std::size_t colon = s.find(':'); colon != std::string::npos)
    s.erase(colon, 1);
  s += digits;
  for (int strip = 0; strip < 5 && !s.empty() && s.front() == '0'; ++strip)
    s = Trim(s.substr(1));
  if (s.size() > 4)
    s = s.substr(1, 4);
  switch (s.size()) {
  case 0:
    return "0:00.0";
  case 1:
    return "0:00." + s;
  case 2:
    return "0:0" + s.substr(0, 1) + "." + s.substr(1);
  case 3:
    return "0:" + s.substr(0, 2) + "." + s.substr(2);
  default:
    return s.substr(0, 1) + ":" + s.substr(1, 2) + "." + s.substr(3);
  }
}

int NextField(int cursor, int first, int count) {
  if (count <= 0)
    return first;
  return cursor >= first + count - 1 || cursor < first ? first : cursor + 1;
}

int PreviousField(int cursor, int first, int count) {
  if (count <= 0)
    return first;
  const int last = first + count - 1;
  if (cursor > last)
    return last;
  return cursor <= first ? last : cursor - 1;
}

} // namespace marivo
