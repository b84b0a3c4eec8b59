#include "widgets/foundation/MVWUnits.h"

#include "platform/rtl/ClassRegistry.h"
#include "widgets/foundation/MVWApplication.h"
#include "widgets/foundation/MVWCaret.h"
#include "widgets/foundation/MVWIniCtrl.h"
#include "widgets/foundation/MVWSysIn.h"
#include "widgets/foundation/MVWTimerPool.h"
#include "widgets/foundation/MVWWndProc.h"
#include "widgets/foundation/MVWXPStyles.h"
#include "widgets/foundation/mvwwave.h"

namespace marivo {

TMVWXPThemeManager* MVWThemeManager = nullptr;

namespace {

struct TUnit {
  void (*StartUp)();
  void (*ShutDown)();
};

const TUnit Units[] = {
    {ReadPlatformFlags, [] {}},
    {[] { BindXPStyles(); }, UnbindXPStyles},
    {[] { MVWApplication = new TMVWApplication(); },
     [] {
       delete MVWApplication;
       MVWApplication = nullptr;
     }},
    {[] { MVWThemeManager = new TMVWXPThemeManager(nullptr); },
     [] {
       delete MVWThemeManager;
       MVWThemeManager = nullptr;
     }},
};

} // namespace

TMVWFoundation::TMVWFoundation() {
  try {
    for (const TUnit& unit : Units) {
      unit.StartUp();
      ++Started_;
    }
  } catch (...) {
    ShutDown();
    throw;
  }
}

TMVWFoundation::~TMVWFoundation() {
  ShutDown();
}

void TMVWFoundation::ShutDown() {
  while (Started_ > 0)
    Units[--Started_].ShutDown();
}

void RegisterFoundationClasses() {
  static const bool registered = [] {
    RegisterMVWBaseClasses();
    RegisterCaretClasses();
    RegisterComponentClass<TMVWWndProcComponent, TMVWCustomComponent>("TMVWWndProcComponent");
    RegisterComponentClass<TMVWXPThemeManager, TMVWWndProcComponent>("TMVWXPThemeManager");
    RegisterComponentClass<TMVWTimerPool, TMVWCustomComponent>("TMVWTimerPool")
        .String("About", &TMVWTimerPool::About, &TMVWTimerPool::SetAbout, std::string())
        .Integer("MinInterval", &TMVWTimerPool::MinInterval, &TMVWTimerPool::SetMinInterval,
                 TMVWTimerInterval{1000})
        .Event("OnTimer", &TMVWTimerPool::OnTimer);
    RegisterComponentClass<TMVWIniCtrl, TMVWCustomComponent>("TMVWIniCtrl")
        .String("About", &TMVWIniCtrl::About, &TMVWIniCtrl::SetAbout, std::string())
        .Boolean("AlphaCounter", &TMVWIniCtrl::AlphaCounter, &TMVWIniCtrl::SetAlphaCounter, false)
        .Boolean("Common", &TMVWIniCtrl::Common, &TMVWIniCtrl::SetCommon, true)
        .String("IniFile", &TMVWIniCtrl::IniFile, &TMVWIniCtrl::SetIniFile, std::string())
        .Enumeration("IniPrefix", {"ppWindows", "ppSystem", "ppProgram", "ppFixed"},
                     &TMVWIniCtrl::IniPrefix, &TMVWIniCtrl::SetIniPrefix, ppWindows)
        .Integer("MaxEntries", &TMVWIniCtrl::MaxEntries, &TMVWIniCtrl::SetMaxEntries,
                 std::uint8_t{16})
        .Boolean("NetUser", &TMVWIniCtrl::NetUser, &TMVWIniCtrl::SetNetUser, false)
        .String("User", &TMVWIniCtrl::User, &TMVWIniCtrl::SetUser, std::string())
        .String("RegPath", &TMVWIniCtrl::RegPath, &TMVWIniCtrl::SetRegPath, std::string())
        .Enumeration("RegRoot",
                     {"rpClassesRoot", "rpCurrentUser", "rpLocalMachine", "rpUsers",
                      "rpCurrentConfig", "rpDynData"},
                     &TMVWIniCtrl::RegRoot, &TMVWIniCtrl::SetRegRoot, rpCurrentUser)
        .Enumeration("Target", {"itIniFile", "itRegistry", "itAuto"}, &TMVWIniCtrl::Target,
                     &TMVWIniCtrl::SetTarget, itAuto)
        .Integer("EncKey", &TMVWIniCtrl::EncKey, &TMVWIniCtrl::SetEncKey, std::uint16_t{58231})
        .Boolean("Encoded", &TMVWIniCtrl::Encoded, &TMVWIniCtrl::SetEncoded, false);
    RegisterPersistentClass<TMVWWave, TMVWObject>("TMVWWave")
        .Binary("Data", &TMVWWave::ReadData, &TMVWWave::WriteData, &TMVWWave::HasData);
    return true;
  }();
  (void)registered;
}

} // namespace marivo
