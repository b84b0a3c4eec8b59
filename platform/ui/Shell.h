#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace marivo {

// Opens a document, link or program with the shell's default verb, shown normally; owner is
// the window the shell may parent its messages to. Gives the shell's result: 32 or less is a
// failure, and so is a shell that cannot be bound.
INT_PTR ShellOpen(HWND owner, const std::string& target);

// For tests: what opens targets instead of the shell; an empty function restores the shell.
using TShellOpener = std::function<INT_PTR(HWND owner, const std::string& target)>;
void SetShellOpener(TShellOpener opener);

} // namespace marivo
