#include "console/common/rules/TextPadding.h"

#include <gtest/gtest.h>

#include <string>

namespace marivo {
namespace {

TEST(TextPadding, ScoreboardReadOutsHaveExactlyTheirWidth) {
  struct TCase {
    std::string Text;
    int Width;
    std::string Expected;
  };
  const TCase cases[] = {
      {" 7 ", 3, "  7"},  {"4567", 3, "456"}, {"12", 3, " 12"}, {"", 3, "   "},
      {"\t9\r", 2, " 9"}, {"abc", 0, ""},     {"abc", -2, ""},  {"Team;A", 6, "Team;A"},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(PadLeft(c.Text, c.Width), c.Expected) << "'" << c.Text << "' to " << c.Width;
}

} // namespace
} // namespace marivo
