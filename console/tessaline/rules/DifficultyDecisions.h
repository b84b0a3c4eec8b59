#pragma once

#include <array>
#include <string>
#include <vector>

namespace marivo {

// A difficulty controller's five decisions on one element, in the order the server reads them.
enum TDecision { dcPass, dcFail, dcRev, dcRevP, dcRevF };
constexpr int DecisionCount = 5;

// Each flag as its cell holds it: "1" is set, anything else is not.
using TDecisionFlags = std::array<std::string, DecisionCount>;

// Where the element's DD comes from after a decision changed.
enum class TDDSource { Unchanged, Declared, OnFailure };

struct TToggledDecision {
  TDecisionFlags Flags;
  TDDSource DD;
};

// One touch on a decision: it is set or cleared, and excludes the decisions it contradicts. Rev P
// keeps an earlier Fail and Rev F an earlier Pass: the pair records a decision changed on review.
TToggledDecision ToggleDecision(const TDecisionFlags& flags, TDecision touched);

// One element's row as the sheet sends it.
struct TDecisionRow {
  TDecisionFlags Flags;
  std::string DD;
};

// The DS payload: the sender's number, each row's five flags and its DD, then "Working" while the
// controller is still deciding or "Done" when the sheet is sent.
std::string DecisionSheetPayload(int judgeNumber, const std::vector<TDecisionRow>& rows,
                                 bool working);

} // namespace marivo
