#include "platform/ui/WindowProcs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace marivo {
namespace {

constexpr UINT Probe = WM_USER + 5;

TEST(WindowProcs, HiddenWindowRunsItsMethod) {
  std::vector<UINT> seen;
  HWND window = AllocateHWnd([&](TMessage& message) {
    seen.push_back(message.Msg);
    message.Result = message.Msg == Probe ? 7 : 0;
  });
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_EQ(SendMessageA(window, Probe, 0, 0), 7);
  EXPECT_EQ(seen, std::vector<UINT>{Probe});
  DeallocateHWnd(window);
  EXPECT_FALSE(IsWindow(window));
  DeallocateHWnd(nullptr);
}

TEST(WindowProcs, SubclassesComeOutInAnyOrder) {
  HWND window = AllocateHWnd([](TMessage& message) { message.Result = 1; });
  std::vector<std::string> log;
  TWindowSubclass first;
  TWindowSubclass second;
  const auto logging = [&log](TWindowSubclass& subclass, std::string name) {
    return [&log, &subclass, name](TMessage& message) {
      if (message.Msg == Probe)
        log.push_back(name);
      subclass.CallPrevious(message);
    };
  };
  ASSERT_TRUE(first.Install(window, logging(first, "first")));
  EXPECT_FALSE(first.Install(window, logging(first, "again")));
  ASSERT_TRUE(second.Install(window, logging(second, "second")));
  EXPECT_EQ(SendMessageA(window, Probe, 0, 0), 1);
  EXPECT_EQ(log, (std::vector<std::string>{"second", "first"}));
  first.Remove();
  log.clear();
  EXPECT_EQ(SendMessageA(window, Probe, 0, 0), 1);
  EXPECT_EQ(log, std::vector<std::string>{"second"});
  DeallocateHWnd(window);
  EXPECT_FALSE(second.Installed()); // its window went, and the subclass with it
  EXPECT_FALSE(TWindowSubclass().Install(nullptr, [](TMessage&) {}));
}

} // namespace
} // namespace marivo
