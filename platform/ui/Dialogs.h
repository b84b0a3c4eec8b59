#pragma once

#include <functional>
#include <string>

namespace marivo {

// Every message, confirmation and error box of the programs goes through here, so that tests can
// record the text and give the answer instead of a person. Flags and results are MB_* and ID*.
using TMessageBoxHandler =
    std::function<int(const std::string& text, const std::string& caption, unsigned flags)>;

int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags);

// Installs a replacement for the real box; an empty handler restores it. Returns the previous one.
TMessageBoxHandler SetMessageBoxHandler(TMessageBoxHandler handler);

} // namespace marivo
