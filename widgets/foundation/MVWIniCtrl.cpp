#include "widgets/foundation/MVWIniCtrl.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/FileNames.h"
#include "widgets/foundation/MVWSysIn.h"

#include <algorithm>

namespace marivo {

void TMVWIniCtrl::SetAlphaCounter(bool value) {
  if (Store(AlphaCounter_, value))
    MaxEntries_ = std::min(MaxEntries_, AlphaLimit);
}

void TMVWIniCtrl::SetIniFile(const std::string& value) {
  IniFile_ = !value.empty() && ExtractFileExt(value).empty() ? value + ".INI" : value;
}

void TMVWIniCtrl::SetMaxEntries(std::uint8_t value) {
  if (AlphaCounter_ && value > AlphaLimit)
    return;
  MaxEntries_ = value;
}

void TMVWIniCtrl::SetNetUser(bool value) {
  NetUser_ = value;
  if (value)
    User_ = GetNetUserName();
}

void TMVWIniCtrl::SetTarget(TMVWIniTarget value) {
  Target_ = value;
  EffectiveTarget_ = value == itAuto ? itRegistry : value;
}

std::string TMVWIniCtrl::GetNetUserName() {
  return marivo::GetNetUserName();
}

void RegisterMVWIniCtrl() {
  using T = TMVWIniCtrl;
  RegisterComponentClass<T, TMVWCustomComponent>("TMVWIniCtrl")
      .String("About", &T::About, &T::SetAbout, std::string())
      .Boolean("AlphaCounter", &T::AlphaCounter, &T::SetAlphaCounter, T::DefaultAlphaCounter)
      .Boolean("Common", &T::Common, &T::SetCommon, T::DefaultCommon)
      .String("IniFile", &T::IniFile, &T::SetIniFile, std::string())
      .Enumeration("IniPrefix", {"ppWindows", "ppSystem", "ppProgram", "ppFixed"}, &T::IniPrefix,
                   &T::SetIniPrefix, T::DefaultIniPrefix)
      .Integer("MaxEntries", &T::MaxEntries, &T::SetMaxEntries, T::DefaultMaxEntries)
      .Boolean("NetUser", &T::NetUser, &T::SetNetUser, T::DefaultNetUser)
      .String("User", &T::User, &T::SetUser, std::string())
      .String("RegPath", &T::RegPath, &T::SetRegPath, std::string())
      .Enumeration("RegRoot",
                   {"rpClassesRoot", "rpCurrentUser", "rpLocalMachine", "rpUsers",
                    "rpCurrentConfig", "rpDynData"},
                   &T::RegRoot, &T::SetRegRoot, T::DefaultRegRoot)
      .Enumeration("Target", {"itIniFile", "itRegistry", "itAuto"}, &T::Target, &T::SetTarget,
                   T::DefaultTarget)
      .Integer("EncKey", &T::EncKey, &T::SetEncKey, T::DefaultEncKey)
      .Boolean("Encoded", &T::Encoded, &T::SetEncoded, T::DefaultEncoded);
}

} // namespace marivo
