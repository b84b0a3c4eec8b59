#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Panels.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace marivo {
namespace {

constexpr UINT Probe = WM_USER + 5;

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

} // namespace
} // namespace marivo
