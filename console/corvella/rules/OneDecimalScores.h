#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace marivo::corvella {

// Scores of the earlier rules have one decimal, "0.0" to "10.0", with "." whatever the system's
// locale. Keypad values as in the other console: 0-9 digits, 10 (KeyTen), -1 clear (KeyClear).

// The single score and the penalties after one key: clear and a blank field give "0.0", 10 gives
// "10.0", a digit shifts in from the right: the digit after the point becomes the one before it
// ("7.5" then 3 gives "5.3", "10.0" then 7 gives "0.7"). Other values change nothing.
std::string OneDecimalAfterKey(const std::string& text, int value);

// An element edit after one button of the element keypad; Complete when the score is whole and
// the entry moves on to the next edit.
struct TElementStep {
  std::string Text;
  bool Complete = false;
};
TElementStep ElementAfterKeypad(const std::string& text, int value);

// What the element edit's key-up does after the official typed: select the emptied text, check
// the text (and move on when it is valid), or nothing.
enum class TKeyUpAction { None, SelectAll, Validate };
struct TElementKeyUp {
  std::string Text;
  TKeyUpAction Action = TKeyUpAction::None;
};
// key is the Windows virtual-key code of the key released.
TElementKeyUp ElementAfterKeyUp(const std::string& text, unsigned key);

// A score text as a number: digits with an optional point and digits, or a point and digits,
// blanks around allowed; nothing else ("1e1", "7,5", "-1") is a number.
std::optional<double> ParseScore(std::string_view text);

// An element edit's text checked: blank, a score up to 10.0 (Text is then the trimmed text to
// write back), or anything else.
enum class TElementState { Blank, Valid, Invalid };
struct TElementCheck {
  TElementState State = TElementState::Blank;
  std::string Text;
};
TElementCheck CheckElementScore(const std::string& text);

} // namespace marivo::corvella
