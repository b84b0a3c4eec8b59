#include "widgets/foundation/MVWIniCtrl.h"

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

} // namespace marivo
