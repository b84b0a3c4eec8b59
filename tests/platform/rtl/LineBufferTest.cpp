#include "platform/rtl/LineBuffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace marivo {
namespace {

constexpr char Eot = '\x04';

struct TOutcome {
  std::vector<std::string> Lines;
  bool TooLong = false;
};

TOutcome Feed(const std::vector<std::string>& pieces, std::size_t limit) {
  TLineBuffer buffer(limit);
  TOutcome outcome;
  std::string line;
  for (const std::string& piece : pieces) {
    buffer.Append(piece);
    TLineBuffer::TState state;
    while ((state = buffer.TakeLine(Eot, line)) == TLineBuffer::TState::Line)
      outcome.Lines.push_back(line);
    if (state == TLineBuffer::TState::TooLong) {
      outcome.TooLong = true;
      break;
    }
  }
  return outcome;
}

TEST(LineBuffer, FramesComeOutWholeWhateverThePieces) {
  EXPECT_EQ(Feed({"ab\x04"
                  "cd\x04"},
                 100)
                .Lines,
            (std::vector<std::string>{"ab", "cd"}));
  EXPECT_EQ(Feed({"a", "b", "\x04"}, 100).Lines, (std::vector<std::string>{"ab"}));
  EXPECT_EQ(Feed({"a\x04"
                  "b",
                  "c\x04"
                  "d"},
                 100)
                .Lines,
            (std::vector<std::string>{"a", "bc"}));
  EXPECT_EQ(Feed({"\x04\x04"}, 100).Lines, (std::vector<std::string>{"", ""}));
  EXPECT_EQ(Feed({std::string("x\0y\x04", 4)}, 100).Lines,
            (std::vector<std::string>{std::string("x\0y", 3)}));
  EXPECT_TRUE(Feed({"no end yet"}, 100).Lines.empty());
}

TEST(LineBuffer, TheLongestFrameIsAcceptedAndOneByteMoreIsNot) {
  const std::string longest(16384, 'x');
  EXPECT_EQ(Feed({longest, "\x04"}, 16384).Lines, (std::vector<std::string>{longest}));
  EXPECT_FALSE(Feed({longest}, 16384).TooLong);
  EXPECT_TRUE(Feed({longest + "x"}, 16384).TooLong);
  EXPECT_TRUE(Feed({longest, "x\x04"}, 16384).TooLong);
  const TOutcome afterGoodFrame = Feed({"ok\x04" + longest + "xx"}, 16384);
  EXPECT_EQ(afterGoodFrame.Lines, (std::vector<std::string>{"ok"}));
  EXPECT_TRUE(afterGoodFrame.TooLong);
}

} // namespace
} // namespace marivo
