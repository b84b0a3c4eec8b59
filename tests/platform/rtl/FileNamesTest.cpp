#include "platform/rtl/FileNames.h"

#include <gtest/gtest.h>

namespace marivo {
namespace {

TEST(FileNames, Parts) {
  struct TCase {
    std::string Name, Path, File, Ext, Changed;
  };
  const TCase cases[] = {
      {"C:\\Programs\\Tessaline.exe", "C:\\Programs\\", "Tessaline.exe", ".exe",
       "C:\\Programs\\Tessaline.LOG"},
      {"C:Settings.ini", "C:", "Settings.ini", ".ini", "C:Settings.LOG"},
      {"C:\\my.dir\\readme", "C:\\my.dir\\", "readme", "", "C:\\my.dir\\readme.LOG"},
      {"archive.tar.gz", "", "archive.tar.gz", ".gz", "archive.tar.LOG"},
      {"", "", "", "", ".LOG"},
      {"C:\\", "C:\\", "", "", "C:\\.LOG"},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(ExtractFilePath(c.Name), c.Path) << c.Name;
    EXPECT_EQ(ExtractFileName(c.Name), c.File) << c.Name;
    EXPECT_EQ(ExtractFileExt(c.Name), c.Ext) << c.Name;
    EXPECT_EQ(ChangeFileExt(c.Name, ".LOG"), c.Changed) << c.Name;
  }
  EXPECT_EQ(ChangeFileExt("name.txt", ""), "name");
}

} // namespace
} // namespace marivo
