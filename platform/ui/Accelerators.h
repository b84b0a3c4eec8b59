#pragma once

#include <windows.h>

#include <string>

namespace marivo {

// Whether key is the character an "&" marks in caption ("&&" stands for "&" itself), in either
// letter case.
bool IsAccel(WORD key, const std::string& caption);

} // namespace marivo
