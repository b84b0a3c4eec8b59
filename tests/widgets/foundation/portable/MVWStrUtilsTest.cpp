#include "widgets/foundation/portable/MVWStrUtils.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace marivo {
namespace {

TEST(MVWStrUtils, TextRoutines) {
  struct TCase {
    std::function<std::string(const std::string&)> Routine;
    std::string Text;
    std::string Expected;
  };
  const TCase cases[] = {
      {TrimString, " \t a b \r\n", "a b"},
      {TrimString, "\x01\x1F", ""},
      {AddTrailingBackslash, "", "\\"},
      {AddTrailingBackslash, "  ", "  \\"},
      {AddTrailingBackslash, "C:\\", "C:\\"},
      {AddTrailingBackslash, "C:\\Data", "C:\\Data\\"},
      {RemoveTrailingBackslash, "C:\\Data\\", "C:\\Data"},
      {RemoveTrailingBackslash, "C:\\Data\\\\", "C:\\Data\\"},
      {RemoveTrailingBackslash, "C:", "C:"},
      {RemoveTrailingBackslash, "", ""},
      {RemoveTrailingBackslash, "  ", "  "},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(c.Routine(c.Text), c.Expected) << "'" << c.Text << "'";
}

TEST(MVWStrUtils, BlankAndFill) {
  EXPECT_TRUE(IsBlankString(""));
  EXPECT_TRUE(IsBlankString("   "));
  EXPECT_FALSE(IsBlankString("\t"));
  EXPECT_FALSE(IsBlankString(" a "));
  EXPECT_EQ(FillString(0, 'x'), "");
  EXPECT_EQ(FillString(-2, 'x'), "");
  EXPECT_EQ(FillString(3, '-'), "---");
  EXPECT_EQ(FillString(2, '\0'), std::string(2, '\0'));
}

} // namespace
} // namespace marivo
