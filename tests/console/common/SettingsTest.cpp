#include "console/common/Settings.h"
#include "platform/rtl/IniFile.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace marivo {
namespace {

class ConsoleSettings : public ::testing::Test {
protected:
  void WriteFile(const std::string& text) const {
    std::ofstream(FileName_, std::ios::binary) << text;
  }
  std::string ReadFile() const {
    std::ifstream in(FileName_, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  test::TTemporaryFolder Folder_{"marivo-settings-"};
  std::string FileName_ = Folder_.PathOf("Settings.ini");
};

void ExpectDefaults(const TConsoleSettings& s, int screenWidth, int screenHeight) {
  EXPECT_EQ(s.Left, 0);
  EXPECT_EQ(s.Top, 0);
  EXPECT_EQ(s.Width, screenWidth);
  EXPECT_EQ(s.Height, screenHeight);
  EXPECT_EQ(s.LastIP, "This Computer");
  EXPECT_EQ(s.Who, 0);
}

TEST_F(ConsoleSettings, FirstStartWithoutAFileCoversTheWholeScreenAsTheFirstRole) {
  ExpectDefaults(LoadConsoleSettings(FileName_, 1366, 768), 1366, 768);
  ExpectDefaults(LoadConsoleSettings(FileName_, 1024, 600), 1024, 600);
  EXPECT_FALSE(std::filesystem::exists(FileName_)) << "reading must not create the file";
}

TEST_F(ConsoleSettings, AFolderInPlaceOfTheFileGivesTheDefaults) {
  std::filesystem::create_directory(FileName_);
  ExpectDefaults(LoadConsoleSettings(FileName_, 1280, 800), 1280, 800);
}

TEST_F(ConsoleSettings, AFileWithoutTheSectionGivesTheDefaults) {
  WriteFile("[Other]\r\nLeft=40\r\nWho=3\r\n");
  ExpectDefaults(LoadConsoleSettings(FileName_, 1366, 768), 1366, 768);
}

TEST_F(ConsoleSettings, WhatIsWrittenAtExitIsReadAtTheNextStart) {
  TConsoleSettings written;
  written.Left = 12;
  written.Top = -4;
  written.Width = 1200;
  written.Height = 700;
  written.LastIP = "192.168.10.20";
  written.Who = 17;
  SaveConsoleSettings(FileName_, written);

  const TConsoleSettings read = LoadConsoleSettings(FileName_, 1366, 768);
  EXPECT_EQ(read.Left, 12);
  EXPECT_EQ(read.Top, -4);
  EXPECT_EQ(read.Width, 1200);
  EXPECT_EQ(read.Height, 700);
  EXPECT_EQ(read.LastIP, "192.168.10.20");
  EXPECT_EQ(read.Who, 17);
}

// Older consoles and the officials' own copies read the same section and key names.
TEST_F(ConsoleSettings, TheSixKeysAreWrittenToSectionSynchro) {
  TConsoleSettings written;
  written.Left = 3;
  written.Top = 5;
  written.Width = 800;
  written.Height = 600;
  written.LastIP = "This Computer";
  written.Who = 9;
  SaveConsoleSettings(FileName_, written);

  TIniFile ini(FileName_);
  EXPECT_EQ(ini.ReadString("Synchro", "Left", ""), "3");
  EXPECT_EQ(ini.ReadString("Synchro", "Top", ""), "5");
  EXPECT_EQ(ini.ReadString("Synchro", "Width", ""), "800");
  EXPECT_EQ(ini.ReadString("Synchro", "Height", ""), "600");
  EXPECT_EQ(ini.ReadString("Synchro", "LastIP", ""), "This Computer");
  EXPECT_EQ(ini.ReadString("Synchro", "Who", ""), "9");
}

TEST_F(ConsoleSettings, AGarbageValueFallsBackToItsDefaultAlone) {
  WriteFile("[Synchro]\r\nLeft=left edge\r\nTop=7\r\nWidth=1000\r\nHeight=\r\n"
            "LastIP=10.0.0.5\r\nWho=2x\r\n");
  const TConsoleSettings read = LoadConsoleSettings(FileName_, 1366, 768);
  EXPECT_EQ(read.Left, 0);
  EXPECT_EQ(read.Top, 7);
  EXPECT_EQ(read.Width, 1000);
  EXPECT_EQ(read.Height, 768);
  EXPECT_EQ(read.LastIP, "10.0.0.5");
  EXPECT_EQ(read.Who, 0);
}

TEST_F(ConsoleSettings, WritingKeepsOtherSectionsAndComments) {
  WriteFile("; set up by the venue\r\n[Venue]\r\nPool=Olympic\r\n[Synchro]\r\nLeft=100\r\n"
            "Extra=kept\r\n[Scoreboard]\r\nPort=7001\r\n");
  TConsoleSettings written;
  written.Left = 20;
  written.Width = 900;
  written.Height = 500;
  written.Who = 4;
  SaveConsoleSettings(FileName_, written);

  TIniFile ini(FileName_);
  EXPECT_EQ(ini.ReadString("Venue", "Pool", ""), "Olympic");
  EXPECT_EQ(ini.ReadString("Scoreboard", "Port", ""), "7001");
  EXPECT_EQ(ini.ReadString("Synchro", "Extra", ""), "kept");
  EXPECT_EQ(ini.ReadInteger("Synchro", "Left", -1), 20);
  EXPECT_NE(ReadFile().find("; set up by the venue"), std::string::npos);
  EXPECT_EQ(LoadConsoleSettings(FileName_, 1366, 768).Who, 4);
}

} // namespace
} // namespace marivo
