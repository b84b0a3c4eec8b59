#include "widgets/foundation/MVWWndProcComponent.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/FormLoader.h"
#include "platform/ui/Forms.h"
#include "widgets/foundation/MVWFoundation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace marivo {
namespace {

constexpr UINT Probe = WM_USER + 77;

// A form whose own WndProc answers the probe, so a test sees whether a message got through.
class TProbeForm : public TForm {
public:
  using TForm::TForm;
  void WndProc(TMessage& message) override {
    if (message.Msg == Probe) {
      ++Probes;
      message.Result = 42;
      return;
    }
    if (message.Msg == WM_NCDESTROY)
      NcDestroyed = true;
    TForm::WndProc(message);
  }
  int Probes = 0;
  bool NcDestroyed = false;
};

// Logs the messages it sees under its name before passing them on.
class TLoggingHook : public TMVWWndProcComponent {
public:
  TLoggingHook(TComponent* owner, std::vector<std::string>& log, std::string name)
      : TMVWWndProcComponent(owner), Log_(log), Name_(std::move(name)) {}
  void WndProc(TMessage& message) override {
    if (message.Msg == Probe)
      Log_.push_back(Name_);
    TMVWWndProcComponent::WndProc(message);
  }

private:
  std::vector<std::string>& Log_;
  std::string Name_;
};

LRESULT SendProbe(TForm& form) {
  return SendMessageA(form.Handle(), Probe, 0, 0);
}

TEST(MVWWndProcComponent, PassesMessagesOnOnceWhileHooked) {
  TProbeForm form(nullptr);
  std::vector<std::string> log;
  auto* hook = new TLoggingHook(&form, log, "hook");
  EXPECT_FALSE(hook->Hooked());
  EXPECT_TRUE(hook->HookWndProc());
  EXPECT_FALSE(hook->HookWndProc()); // a second hook does nothing
  EXPECT_EQ(SendProbe(form), 42);
  EXPECT_EQ(form.Probes, 1);
  EXPECT_EQ(log, std::vector<std::string>{"hook"});

  hook->SetEnabled(false);
  EXPECT_FALSE(hook->Hooked());
  EXPECT_EQ(SendProbe(form), 42);
  EXPECT_EQ(log.size(), 1u);
  hook->SetEnabled(true);
  EXPECT_TRUE(hook->Hooked());
  SendProbe(form);
  EXPECT_EQ(log.size(), 2u);
  EXPECT_EQ(form.Probes, 3);
}

TEST(MVWWndProcComponent, WithoutOwnerHooksNothing) {
  TMVWWndProcComponent hook(nullptr);
  EXPECT_EQ(hook.TargetHandle(), nullptr);
  EXPECT_FALSE(hook.HookWndProc());
  hook.UnhookWndProc();
  EXPECT_FALSE(hook.Hooked());
}

TEST(MVWWndProcComponent, AfterDestroyOnlyTheLastMessagePassesOn) {
  TProbeForm form(nullptr);
  std::vector<std::string> log;
  auto* hook = new TLoggingHook(&form, log, "hook");
  hook->HookWndProc();
  const HWND window = form.Handle();
  // Another message reaching the window between WM_DESTROY and WM_NCDESTROY is consumed.
  SendMessageA(window, WM_DESTROY, 0, 0);
  EXPECT_EQ(SendMessageA(window, Probe, 0, 0), 0);
  EXPECT_EQ(form.Probes, 0);
  EXPECT_EQ(log.size(), 1u);
  DestroyWindow(window);
  EXPECT_TRUE(form.NcDestroyed);
  EXPECT_FALSE(hook->Hooked());
  EXPECT_FALSE(form.HandleAllocated());
  // The form makes a new window, which the hook no longer sees.
  EXPECT_EQ(SendProbe(form), 42);
  EXPECT_EQ(log.size(), 1u);
}

TEST(MVWWndProcComponent, TwoHooksComeOutInEitherOrder) {
  for (const bool firstOut : {true, false}) {
    TProbeForm form(nullptr);
    std::vector<std::string> log;
    auto* first = new TLoggingHook(&form, log, "first");
    auto* second = new TLoggingHook(&form, log, "second");
    first->HookWndProc();
    second->HookWndProc();
    SendProbe(form);
    EXPECT_EQ(log, (std::vector<std::string>{"second", "first"}));
    log.clear();
    (firstOut ? first : second)->UnhookWndProc();
    EXPECT_EQ(SendProbe(form), 42);
    EXPECT_EQ(log, std::vector<std::string>{firstOut ? "second" : "first"});
    delete (firstOut ? second : first);
    log.clear();
    EXPECT_EQ(SendProbe(form), 42);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(form.Probes, 3);
  }
}

TEST(MVWWndProcComponent, HooksOnceLoadedFromFormData) {
  RegisterFoundationClasses();
  static const bool registered = [] {
    RegisterComponentClass<TProbeForm, TForm>("TProbeForm");
    return true;
  }();
  (void)registered;
  TProbeForm form(nullptr);
  ReadComponentFromText(form,
                        "object ProbeForm: TProbeForm\n"
                        "  object ThemeManager: TMVWXPThemeManager\n"
                        "  end\n"
                        "end\n",
                        "test");
  EXPECT_TRUE(NamedComponent<TMVWXPThemeManager>(form, "ThemeManager").Hooked());
  EXPECT_EQ(SendProbe(form), 42);
}

} // namespace
} // namespace marivo
