#include "console/common/protocol/TrafficLog.h"

#include <gtest/gtest.h>

#include <string>

namespace marivo {
namespace {

TEST(TrafficLog, ControlBytesAreWrittenByNameAndCarriageReturnsDropped) {
  struct TCase {
    std::string Frame;
    std::string Line;
  };
  const TCase cases[] = {
      {"\x01TXFREEZEL \x02J3  \x11\x04", "[SOH]TXFREEZEL [STX]J3  [DC1][EOT]"},
      {"a\x12"
       "b\x13"
       "c\x14"
       "d\x15",
       "a[DC2]b[DC3]c[DC4]d[DC5]"},
      {"x\x08\x0A\x0B\x0C\x10\x16\x17", "x[BS][LF][ERL][ERP][DLE][SYN][ETB]"},
      {"Judge 1\r(Impression)\r\n", "Judge 1(Impression)[LF]"},
      {std::string("before\0after", 12), "before[NUL]after"},
      {"\x03\x05\x7F\xE9^;", "\x03\x05\x7F\xE9^;"},
      {"", ""},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(TrafficLogLine(c.Frame), c.Line);
}

} // namespace
} // namespace marivo
