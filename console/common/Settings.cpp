#include "console/common/Settings.h"

#include "platform/rtl/IniFile.h"

namespace marivo {

namespace {

constexpr const char* Section = "Synchro";

} // namespace

TConsoleSettings LoadConsoleSettings(const std::string& fileName, int screenWidth,
                                     int screenHeight) {
  TIniFile ini(fileName);
  TConsoleSettings settings;
  settings.Left = ini.ReadInteger(Section, "Left", 0);
  settings.Top = ini.ReadInteger(Section, "Top", 0);
  settings.Width = ini.ReadInteger(Section, "Width", screenWidth);
  settings.Height = ini.ReadInteger(Section, "Height", screenHeight);
  settings.LastIP = ini.ReadString(Section, "LastIP", "This Computer");
  settings.Who = ini.ReadInteger(Section, "Who", 0);
  return settings;
}

void SaveConsoleSettings(const std::string& fileName, const TConsoleSettings& settings) {
  TIniFile ini(fileName);
  ini.WriteInteger(Section, "Left", settings.Left);
  ini.WriteInteger(Section, "Top", settings.Top);
  ini.WriteInteger(Section, "Width", settings.Width);
  ini.WriteInteger(Section, "Height", settings.Height);
  ini.WriteString(Section, "LastIP", settings.LastIP);
  ini.WriteInteger(Section, "Who", settings.Who);
}

} // namespace marivo
