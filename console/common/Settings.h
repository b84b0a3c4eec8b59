#pragma once

#include <string>

namespace marivo {

// What the console remembers between runs, in section "Synchro" of its settings file.
struct TConsoleSettings {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  std::string LastIP = "This Computer";
  int Who = 0;
};

// A missing or unreadable file, or a key with a garbage value, gives the defaults: the whole
// screen at 0,0, "This Computer", the first role.
TConsoleSettings LoadConsoleSettings(const std::string& fileName, int screenWidth,
                                     int screenHeight);
void SaveConsoleSettings(const std::string& fileName, const TConsoleSettings& settings);

} // namespace marivo
