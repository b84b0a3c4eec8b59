#include "console/tessaline/rules/DifficultyDecisions.h"

#include "console/common/protocol/Protocol.h"

namespace marivo {

namespace {

bool IsSet(const TDecisionFlags& flags, TDecision decision) {
  return flags[decision] == "1";
}

void Set(TDecisionFlags& flags, TDecision decision) {
  flags[decision] = "1";
}

void Clear(TDecisionFlags& flags, std::initializer_list<TDecision> decisions) {
  for (TDecision decision : decisions)
    flags[decision] = "0";
}

} // namespace

TToggledDecision ToggleDecision(const TDecisionFlags& flags, TDecision touched) {
  TToggledDecision result{flags, TDDSource::Unchanged};
  TDecisionFlags& f = result.Flags;
  const bool wasSet = IsSet(flags, touched);
  switch (touched) {
  case dcPass:
    if (wasSet)
      Clear(f, {dcPass});
    else {
      Set(f, dcPass);
      Clear(f, {dcFail, dcRev, dcRevP, dcRevF});
    }
    result.DD = TDDSource::Declared;
    break;
  case dcFail:
    if (wasSet)
      Clear(f, {dcFail});
    else {
      Set(f, dcFail);
      Clear(f, {dcPass, dcRev, dcRevP, dcRevF});
    }
    result.DD = TDDSource::OnFailure;
    break;
  case dcRev:
    if (wasSet) {
      Clear(f, {dcRev, dcRevP, dcRevF});
    } else {
      Set(f, dcRev);
      Clear(f, {dcPass, dcFail});
      result.DD =
          IsSet(f, dcRevF) && !IsSet(f, dcRevP) ? TDDSource::OnFailure : TDDSource::Declared;
    }
    break;
  case dcRevP:
    if (wasSet) {
      Clear(f, {dcRevP});
    } else {
      Set(f, dcRevP);
      Clear(f, {dcRevF});
      if (!IsSet(f, dcFail)) {
        Set(f, dcRev);
        Clear(f, {dcPass, dcFail});
      }
      result.DD = TDDSource::Declared;
    }
    break;
  case dcRevF:
    if (wasSet) {
      Clear(f, {dcRevF});
    } else {
      Set(f, dcRevF);
      Clear(f, {dcRevP});
      if (!IsSet(f, dcPass)) {
        Set(f, dcRev);
        Clear(f, {dcPass, dcFail});
      }
      result.DD = TDDSource::OnFailure;
    }
    break;
  }
  return result;
}

std::string DecisionSheetPayload(int judgeNumber, const std::vector<TDecisionRow>& rows,
                                 bool working) {
  std::string payload = std::to_string(judgeNumber) + DC1;
  for (const TDecisionRow& row : rows) {
    for (const std::string& flag : row.Flags)
      payload += flag;
    payload += std::string(1, DC2) + row.DD + DC2;
  }
  return payload + (working ? "Working" : "Done") + DC3;
}

} // namespace marivo
