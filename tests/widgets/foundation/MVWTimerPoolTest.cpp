#include "widgets/foundation/MVWTimerPool.h"
#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/FormLoader.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "tests/support/MessagePump.h"
#include "widgets/foundation/MVWApplication.h"
#include "widgets/foundation/MVWFoundation.h"
#include "widgets/foundation/MVWIniCtrl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace marivo {
namespace {

// A form holding a pool of its own and a settings holder, as form data gives them.
class TPoolForm : public TForm {
public:
  using TForm::TForm;
  void PoolTimer(TObject* sender, std::uint16_t id, std::int32_t count) {
    Calls.push_back({sender, id, count});
  }
  struct TCall {
    TObject* Sender;
    std::uint16_t Id;
    std::int32_t Count;
  };
  std::vector<TCall> Calls;
  TMVWTimerPool* Pool = nullptr;
  TMVWIniCtrl* Settings = nullptr;
};

void Register() {
  static const bool registered = [] {
    RegisterFoundationClasses();
    RegisterComponentClass<TPoolForm, TForm>("TPoolForm")
        .Handler("PoolTimer", &TPoolForm::PoolTimer)
        .Field("Pool", &TPoolForm::Pool)
        .Field("Settings", &TPoolForm::Settings);
    return true;
  }();
  (void)registered;
}

std::string FormText(const std::string& minInterval) {
  return "object PoolForm: TPoolForm\n"
         "  object Pool: TMVWTimerPool\n"
         "    MinInterval = " +
         minInterval +
         "\n"
         "    OnTimer = PoolTimer\n"
         "  end\n"
         "  object Settings: TMVWIniCtrl\n"
         "    AlphaCounter = True\n"
         "    IniFile = 'Widgets'\n"
         "    IniPrefix = ppProgram\n"
         "    MaxEntries = 40\n"
         "    Target = itIniFile\n"
         "    EncKey = 7\n"
         "  end\n"
         "end\n";
}

TEST(MVWFormData, PoolFiresItsEventAndSettingsKeepTheirRules) {
  Register();
  TApplication program;
  TPoolForm form(nullptr);
  ReadComponentFromText(form, FormText("100"), "pool");
  ASSERT_NE(form.Pool, nullptr);
  EXPECT_EQ(form.Pool->MinInterval(), 100);
  form.Pool->SetMinInterval(200); // only form data sets it
  EXPECT_EQ(form.Pool->MinInterval(), 100);
  form.Pool->AddTimerItem(0xFD01, 100, nullptr);
  ASSERT_TRUE(test::PumpUntil([&] { return form.Calls.size() >= 2; }));
  EXPECT_EQ(form.Calls[0].Sender, form.Pool);
  EXPECT_EQ(form.Calls[0].Id, 0xFD01);
  EXPECT_EQ(form.Calls[1].Count, 2);

  EXPECT_TRUE(form.Settings->AlphaCounter());
  EXPECT_EQ(form.Settings->MaxEntries(), 16); // 40 refused while counting in letters
  EXPECT_EQ(form.Settings->IniFile(), "Widgets.INI");
  EXPECT_EQ(form.Settings->IniPrefix(), ppProgram);
  EXPECT_EQ(form.Settings->EffectiveTarget(), itIniFile);
  EXPECT_EQ(form.Settings->EncKey(), 7);

  const std::string written = WriteComponentToText(form);
  EXPECT_NE(written.find("MinInterval = 100"), std::string::npos) << written;
  EXPECT_EQ(written.find("Common"), std::string::npos) << written; // defaults are not stored
  EXPECT_NE(written.find("OnTimer = PoolTimer"), std::string::npos) << written;
}

TEST(MVWFormData, MinIntervalZeroIsRefused) {
  Register();
  TPoolForm form(nullptr);
  ReadComponentFromText(form, FormText("0"), "pool");
  EXPECT_EQ(form.Pool->MinInterval(), 1000);
}

} // namespace
} // namespace marivo
