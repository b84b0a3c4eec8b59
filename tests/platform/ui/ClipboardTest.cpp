#include "platform/ui/Clipboard.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <optional>
#include <string>
#include <thread>

namespace marivo {
namespace {

// Keeps the text the display's clipboard held before the test and puts it back after.
class ClipboardTest : public ::testing::Test {
protected:
  void SetUp() override {
    if (Clipboard().HasText())
      Saved = Clipboard().AsText();
  }
  void TearDown() override { Clipboard().SetAsText(Saved.value_or("")); }
  std::optional<std::string> Saved;
};

TEST_F(ClipboardTest, TextGoesRoundAndReplacesWhatWasThere) {
  for (const std::string& text :
       {std::string("P1 7.5"), std::string(), std::string(5000, 'x'), std::string("a\r\nb")}) {
    Clipboard().SetAsText(text);
    EXPECT_EQ(Clipboard().HasText(), true);
    EXPECT_EQ(Clipboard().AsText(), text);
  }
}

TEST_F(ClipboardTest, AClipboardHeldOpenElsewhereRaisesUntilReleased) {
  std::atomic<int> stage{0};
  std::thread holder([&] {
    HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    stage = OpenClipboard(window) ? 1 : -1;
    while (stage == 1)
      Sleep(5);
    CloseClipboard();
    DestroyWindow(window);
  });
  while (stage == 0)
    Sleep(5);
  ASSERT_EQ(stage, 1);
  EXPECT_THROW(Clipboard().SetAsText("held"), EClipboardException);
  EXPECT_THROW(Clipboard().AsText(), EClipboardException);
  stage = 2;
  holder.join();
  Clipboard().SetAsText("free");
  EXPECT_EQ(Clipboard().AsText(), "free");
}

} // namespace
} // namespace marivo
