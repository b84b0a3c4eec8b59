#include "console/corvella/rules/CorvellaRoles.h"

#include "console/common/protocol/RoleCodes.h"

namespace marivo::corvella {

bool IsExecutionJudge(int number) {
  return number >= 1 && number <= 5;
}

bool IsArtisticJudge(int number) {
  return number >= 6 && number <= 10;
}

bool IsDifficultyJudge(int number) {
  return number >= 11 && number <= 15;
}

int SenderNumber(std::string_view roleCode) {
  const std::optional<int> index = FindRoleIndex(roleCode, LookupRoleCodes);
  return index ? *index + 1 : 0;
}

std::string RoleCaption(int index, bool technical) {
  const std::string n = std::to_string(index % 5 + 1);
  if (index < 5)
    return "Judge " + n + " (Execution)";
  if (index < 10)
    return "Judge " + n + (technical ? " (Impression)" : " (Art. Impression)");
  if (index < 15)
    return "Judge " + n + (technical ? " (Elements)" : " (Difficulty)");
  return index == TimerRoleIndex ? "Timer" : "Head Judge";
}

std::optional<std::string> JudgeLabel(int index, bool technical) {
  const std::string n = std::to_string(index % 5 + 1);
  if (index >= 0 && index < 5)
    return "EXEC: " + n;
  if (index >= 5 && index < 10)
    return (technical ? "IMP: " : "A/I: ") + n;
  if (index >= 10 && index < 15)
    return (technical ? "ELEM: " : "DIFF: ") + n;
  return std::nullopt;
}

} // namespace marivo::corvella
