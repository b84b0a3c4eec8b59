#include "console/corvella/rules/CorvellaRoles.h"

namespace marivo::corvella {

std::optional<TRoleKind> RoleKind(int index) {
  return marivo::RoleKind(index, RoleKinds);
}

std::optional<TRoleKind> JudgeKind(int number) {
  return marivo::JudgeKind(number, RoleKinds);
}

int NumberInKind(int index) {
  return marivo::NumberInKind(index, RoleKinds);
}

int SenderNumber(std::string_view roleCode) {
  const std::optional<int> index = FindRoleIndex(roleCode, LookupRoleCodes);
  return index ? *index + 1 : 0;
}

std::string RoleCaption(int index, bool technical) {
  const std::optional<TRoleKind> kind = RoleKind(index);
  const std::string judge = "Judge " + std::to_string(NumberInKind(index));
  if (kind == TRoleKind::ExecutionJudge)
    return judge + " (Execution)";
  if (kind == TRoleKind::ImpressionJudge)
    return judge + (technical ? " (Impression)" : " (Art. Impression)");
  if (kind == TRoleKind::DifficultyJudge)
    return judge + (technical ? " (Elements)" : " (Difficulty)");
  return kind == TRoleKind::TimeKeeper ? "Timer" : "Head Judge";
}

bool NamedByDiscipline(int index) {
  const std::optional<TRoleKind> kind = RoleKind(index);
  return kind == TRoleKind::ImpressionJudge || kind == TRoleKind::DifficultyJudge;
}

std::optional<std::string> JudgeLabel(int index, bool technical) {
  const std::optional<TRoleKind> kind = RoleKind(index);
  const std::string n = std::to_string(NumberInKind(index));
  if (kind == TRoleKind::ExecutionJudge)
    return "EXEC: " + n;
  if (kind == TRoleKind::ImpressionJudge)
    return (technical ? "IMP: " : "A/I: ") + n;
  if (kind == TRoleKind::DifficultyJudge)
    return (technical ? "ELEM: " : "DIFF: ") + n;
  return std::nullopt;
}

} // namespace marivo::corvella
