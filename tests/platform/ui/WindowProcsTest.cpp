#include "platform/ui/WindowProcs.h"

#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/Panels.h"

#include <gtest/gtest.h>

#include <algorithm>
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

TEST(Screen, ListsFormsInCreationOrder) {
  const int before = Screen().FormCount();
  auto* first = new TForm(nullptr);
  auto* second = new TForm(nullptr);
  ASSERT_EQ(Screen().FormCount(), before + 2);
  EXPECT_EQ(Screen().Forms(before), first);
  EXPECT_EQ(Screen().Forms(before + 1), second);
  delete first;
  EXPECT_EQ(Screen().Forms(before), second);
  delete second;
  EXPECT_EQ(Screen().FormCount(), before);
}

// Answers the probe with its tag, so a broadcast stops there when the tag is not 0.
template <class TBase> class TAnswering : public TBase {
public:
  TAnswering(TWinControl* parent, int answer, std::vector<std::string>& log, std::string name)
      : TBase(parent), Answer_(answer), Log_(log) {
    this->SetName(name);
    this->SetParent(parent);
  }
  void WndProc(TMessage& message) override {
    if (message.Msg == Probe) {
      Log_.push_back(this->Name());
      message.Result = Answer_;
      return;
    }
    TBase::WndProc(message);
  }

private:
  int Answer_;
  std::vector<std::string>& Log_;
};

TEST(Broadcast, ReachesDirectChildrenUntilOneAnswers) {
  TForm form(nullptr);
  std::vector<std::string> log;
  auto* panel = new TAnswering<TPanel>(&form, 0, log, "Panel");
  new TAnswering<TGraphicControl>(panel, 0, log, "Inner");
  new TAnswering<TGraphicControl>(&form, 0, log, "Graphic");
  new TAnswering<TPanel>(&form, 9, log, "Answering");
  new TAnswering<TGraphicControl>(&form, 0, log, "After");
  TMessage message{Probe, 0, 0, 0};
  form.Broadcast(message);
  EXPECT_EQ(log, (std::vector<std::string>{"Panel", "Graphic", "Answering"}));
  EXPECT_EQ(message.Result, 9);
}

TEST(Colors, SystemColoursCarryTheirIndexInTheLowByte) {
  EXPECT_EQ(static_cast<std::uint32_t>(clBtnFace), 0x8000000Fu);
  EXPECT_EQ(static_cast<std::uint32_t>(clWindowText), 0x80000008u);
  EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(ColorToRGB(clHighlight), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(ColorToRGB(clRed), RGB(255, 0, 0));
  EXPECT_EQ(ColorToRGB(static_cast<TColor>(0x80000012)), GetSysColor(COLOR_BTNTEXT));
  const auto& idents = ColorIdents();
  const auto found = std::find_if(idents.begin(), idents.end(),
                                  [](const auto& ident) { return ident.first == "clBtnFace"; });
  ASSERT_NE(found, idents.end());
  EXPECT_EQ(found->second, clBtnFace);
}

} // namespace
} // namespace marivo
