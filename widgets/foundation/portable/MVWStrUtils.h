#pragma once

#include <string>

namespace marivo {

// Text routines of the widget library on 8-bit texts of any length.

// True for "" and for blanks only; a tab is not a blank here.
bool IsBlankString(const std::string& text);
// count copies of character; "" for 0 or less.
std::string FillString(int count, char character);
// Without leading and trailing blanks and control characters.
std::string TrimString(const std::string& text);
// Appends "\" unless the text is not blank and ends with one already.
std::string AddTrailingBackslash(const std::string& text);
// Removes one final "\"; a blank text comes back unchanged.
std::string RemoveTrailingBackslash(const std::string& text);

} // namespace marivo
