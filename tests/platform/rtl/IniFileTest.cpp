#include "platform/rtl/IniFile.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "tests/support/TemporaryFolder.h"
#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <iterator>

namespace marivo {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

std::vector<std::string> SectionKeys(const TIniText& ini, const std::string& section) {
  TStringList keys;
  keys.Add("stale");
  ini.ReadSection(section, keys);
  std::vector<std::string> result;
  for (int i = 0; i < keys.Count(); ++i) {
    result.push_back(keys.Strings(i));
  }
  return result;
}

class IniFile : public ::testing::Test {
protected:
  std::string PathOf(const std::string& name) const { return Folder_.PathOf(name); }
  std::string Save(const std::string& bytes) const {
    std::ofstream(PathOf("settings.ini"), std::ios::binary) << bytes;
    return PathOf("settings.ini");
  }
  std::string Load() const {
    std::ifstream in(PathOf("settings.ini"), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  std::vector<std::string> FolderEntries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Folder_.Path())) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

private:
  test::TTemporaryFolder Folder_{"marivo-ini-"};
};

TEST_F(IniFile, MissingFileGivesDefaultsAndIsNotCreatedByReading) {
  const TIniFile ini(PathOf("settings.ini"));
  EXPECT_EQ(ini.ReadString("Synchro", "Who", "nobody"), "nobody");
  EXPECT_EQ(ini.ReadInteger("Synchro", "Left", -5), -5);
  EXPECT_TRUE(ini.ReadBool("Synchro", "Flag", true));
  EXPECT_FALSE(ini.SectionExists("Synchro"));
  EXPECT_TRUE(SectionKeys(ini, "Synchro").empty());
  EXPECT_TRUE(FolderEntries().empty());
}

TEST_F(IniFile, SixSynchroSettingsRoundTrip) {
  {
    TIniFile ini(PathOf("settings.ini"));
    ini.WriteInteger("Synchro", "Left", -12);
    ini.WriteInteger("Synchro", "Top", 40);
    ini.WriteInteger("Synchro", "Width", 1024);
    ini.WriteInteger("Synchro", "Height", 768);
    ini.WriteString("Synchro", "LastIP", "192.168.1.20");
    ini.WriteString("Synchro", "Who", "Judge 3 = Panel B");
    ini.WriteInteger("Synchro", "Width", 800);
  }
  EXPECT_EQ(Load(), "[Synchro]\r\nLeft=-12\r\nTop=40\r\nWidth=800\r\nHeight=768\r\n"
                    "LastIP=192.168.1.20\r\nWho=Judge 3 = Panel B\r\n");
  const TIniFile ini(PathOf("settings.ini"));
  EXPECT_EQ(ini.ReadInteger("Synchro", "Left", 0), -12);
  EXPECT_EQ(ini.ReadInteger("Synchro", "Top", 0), 40);
  EXPECT_EQ(ini.ReadInteger("Synchro", "Width", 0), 800);
  EXPECT_EQ(ini.ReadInteger("Synchro", "Height", 0), 768);
  EXPECT_EQ(ini.ReadString("Synchro", "LastIP", ""), "192.168.1.20");
  EXPECT_EQ(ini.ReadString("Synchro", "Who", ""), "Judge 3 = Panel B");
  EXPECT_THAT(SectionKeys(ini, "synchro"),
              ElementsAre("Left", "Top", "Width", "Height", "LastIP", "Who"));
  EXPECT_THAT(FolderEntries(), ElementsAre("settings.ini"));
}

TEST_F(IniFile, WriteChangesOnlyTheTouchedLine) {
  const std::string path = Save("; top comment\n"
                                "stray line\n"
                                "[Window]\n"
                                "  Left = 10  \n"
                                "; about width\n"
                                "Width=300\n"
                                "garbage without equals\n"
                                "\n"
                                "[Synchro]\n"
                                "Who=Anna\n");
  TIniFile ini(path);
  ini.WriteInteger("WINDOW", "left", 25);
  EXPECT_EQ(Load(), "; top comment\r\n"
                    "stray line\r\n"
                    "[Window]\r\n"
                    "Left=25\r\n"
                    "; about width\r\n"
                    "Width=300\r\n"
                    "garbage without equals\r\n"
                    "\r\n"
                    "[Synchro]\r\n"
                    "Who=Anna\r\n");
  EXPECT_THAT(FolderEntries(), ElementsAre("settings.ini"));
}

TEST_F(IniFile, NewKeyGoesAfterTheLastKeyOfItsOwnSection) {
  const std::string path = Save("[Window]\r\n"
                                "Left=10\r\n"
                                "; trailing comment\r\n"
                                "\r\n"
                                "[Synchro]\r\n"
                                "Who=Anna");
  TIniFile ini(path);
  ini.WriteString("window", "Top", "5");
  ini.WriteString("Empty", "First", "1");
  ini.WriteString("Window", "Height", "7");
  EXPECT_EQ(Load(), "[Window]\r\n"
                    "Left=10\r\n"
                    "Top=5\r\n"
                    "Height=7\r\n"
                    "; trailing comment\r\n"
                    "\r\n"
                    "[Synchro]\r\n"
                    "Who=Anna\r\n"
                    "\r\n"
                    "[Empty]\r\n"
                    "First=1\r\n");
  const TIniFile back(path);
  EXPECT_EQ(back.ReadString("Window", "Top", ""), "5");
  EXPECT_EQ(back.ReadString("Synchro", "Top", "none"), "none");
  EXPECT_THAT(SectionKeys(back, "Window"), ElementsAre("Left", "Top", "Height"));
}

TEST_F(IniFile, NamesAreCaseInsensitiveAndTrimmedValuesKeepTheirText) {
  const TIniText ini("[Synchro]\n"
                     "  LastIP  =  10.0.0.7  \n"
                     "Cmd=a=b=c\n"
                     "who=first\n"
                     "WHO=second\n"
                     "Empty=\n"
                     "[ Spaced Name ]\n"
                     "Key=v\n"
                     "[synchro]\n"
                     "Late=ignored\n");
  EXPECT_EQ(ini.ReadString("SYNCHRO", "lastip", ""), "10.0.0.7");
  EXPECT_EQ(ini.ReadString(" synchro ", " LASTIP ", ""), "10.0.0.7");
  EXPECT_EQ(ini.ReadString("Synchro", "Cmd", ""), "a=b=c");
  EXPECT_EQ(ini.ReadString("Synchro", "Who", ""), "first");
  EXPECT_EQ(ini.ReadString("Synchro", "Empty", "default"), "");
  EXPECT_EQ(ini.ReadString("Synchro", "Late", "none"), "none");
  EXPECT_EQ(ini.ReadString("spaced name", "key", ""), "v");
  EXPECT_TRUE(ini.SectionExists("SPACED NAME"));
  EXPECT_THAT(SectionKeys(ini, "synchro"), ElementsAre("LastIP", "Cmd", "who", "Empty"));
}

TEST_F(IniFile, IntegersFallBackToTheDefaultOnGarbage) {
  const struct {
    const char* value;
    int expected;
  } cases[] = {
      {"42", 42},
      {"  -7 ", -7},
      {"$1F", 31},
      {"", 99},
      {"abc", 99},
      {"12x", 99},
      {"1 2", 99},
      {"2147483647", 2147483647},
      {"2147483648", 99},
      {"-2147483649", 99},
      {"99999999999999999999", 99},
  };
  for (const auto& c : cases) {
    const TIniText ini(std::string("[S]\nValue=") + c.value + "\n");
    EXPECT_EQ(ini.ReadInteger("S", "Value", 99), c.expected) << '"' << c.value << '"';
  }
}

TEST_F(IniFile, BoolsAreIntegers) {
  const struct {
    const char* value;
    bool fallback;
    bool expected;
  } cases[] = {
      {"0", true, false},  {"1", false, true},    {"-3", false, true},
      {"yes", true, true}, {"yes", false, false}, {"", true, true},
  };
  for (const auto& c : cases) {
    const TIniText ini(std::string("[S]\nFlag=") + c.value);
    EXPECT_EQ(ini.ReadBool("S", "Flag", c.fallback), c.expected) << c.value;
  }
}

TEST_F(IniFile, EveryLineBreakFormIsRead) {
  for (const char* text :
       {"[A]\r\nx=1\r\n[B]\r\ny=2", "[A]\nx=1\n[B]\ny=2\n", "[A]\rx=1\r[B]\ry=2"}) {
    const TIniText ini(text);
    EXPECT_EQ(ini.ReadInteger("A", "x", 0), 1);
    EXPECT_EQ(ini.ReadInteger("B", "y", 0), 2);
    EXPECT_EQ(ini.Text(), "[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
  }
}

TEST_F(IniFile, NulBytesAndVeryLongLinesAreKept) {
  const std::string longValue(1 << 20, 'v');
  const std::string withNul("a\0b", 3);
  const std::string path = Save("[S]\r\nLong=" + longValue + "\r\nNul=" + withNul + "\r\n" +
                                std::string(1 << 16, '\0') + "\r\n");
  TIniFile ini(path);
  EXPECT_EQ(ini.ReadString("S", "Long", ""), longValue);
  EXPECT_EQ(ini.ReadString("S", "Nul", ""), withNul);
  ini.WriteString("S", "New", "x");
  EXPECT_EQ(Load(), "[S]\r\nLong=" + longValue + "\r\nNul=" + withNul + "\r\nNew=x\r\n" +
                        std::string(1 << 16, '\0') + "\r\n");
}

TEST_F(IniFile, NamesOrValuesThatWouldNotReadBackAreRefused) {
  const struct {
    const char* section;
    const char* key;
    const char* value;
  } cases[] = {
      {"S", "", "v"},     {"S", "a=b", "v"},   {"S", ";note", "v"}, {"S", "[x]", "v"},
      {"S", "a\nb", "v"}, {"S", "k", "v\r\n"}, {"a]b", "k", "v"},   {"a\rb", "k", "v"},
  };
  for (const auto& c : cases) {
    TIniText ini("[S]\nk=old\n");
    EXPECT_THROW(ini.WriteString(c.section, c.key, c.value), EInvalidOperation)
        << c.section << " " << c.key;
    EXPECT_EQ(ini.Text(), "[S]\r\nk=old\r\n");
  }
}

TEST_F(IniFile, FailedWriteNamesTheFileLeavesNothingAndKeepsTheOldValue) {
  const std::string path = PathOf("no-such-folder/settings.ini");
  TIniFile ini(path);
  try {
    ini.WriteString("Synchro", "Who", "Anna");
    FAIL() << "no exception";
  } catch (const EStreamError& e) {
    EXPECT_THAT(e.Message(), HasSubstr(path));
  }
  EXPECT_EQ(ini.ReadString("Synchro", "Who", "nobody"), "nobody");
  EXPECT_TRUE(FolderEntries().empty());
}

} // namespace
} // namespace marivo
