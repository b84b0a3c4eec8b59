#pragma once

#include <string>

namespace marivo {

// Keypad values: 0-9 digits, 10, -1 clear, and the fractions 20 ".00", 30 ".25", 40 ".50",
// 50 ".75".
constexpr int KeyClear = -1;
constexpr int KeyTen = 10;
bool IsFractionKey(int value);

// A score field on the detailed page after one key: a digit starts d.00, 10 gives 10.00, a
// fraction replaces the decimals (alone when the text has no point); other keys change nothing.
std::string ScoreAfterKey(const std::string& text, int value);
// The single score display of the other pages: cleared or blank gives 0.00 first; 0 changes
// nothing.
std::string SingleScoreAfterKey(const std::string& text, int value);
// A time m:ss.t with digits shifted in from the right; a fifth digit drops the oldest.
std::string TimeAfterDigits(const std::string& time, const std::string& digits);

// The next and previous field of `count`, wrapping; a cursor left past the end (the list
// shrank) counts as on the last one.
int NextField(int cursor, int first, int count);
int PreviousField(int cursor, int first, int count);

} // namespace marivo
