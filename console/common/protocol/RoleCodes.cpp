#include "console/common/protocol/RoleCodes.h"

#include <algorithm>

namespace marivo {

namespace {

std::optional<int> FindLast(std::string_view code, std::span<const std::string_view> codes) {
  std::optional<int> found;
  for (std::size_t i = 0; i < codes.size(); ++i) {
    if (codes[i] == code)
      found = static_cast<int>(i);
  }
  return found;
}

} // namespace

std::optional<int> FindRoleIndex(std::string_view roleCode,
                                 std::span<const std::string_view> roles) {
  return FindLast(roleCode, roles);
}

int RoleJudgeNumber(std::string_view roleCode, std::span<const std::string_view> roles) {
  return FindRoleIndex(roleCode, roles).value_or(0) + 1;
}

std::optional<TRoleKind> RoleKind(int index, std::span<const TRoleKind> kinds) {
  if (index < 0 || index >= static_cast<int>(kinds.size()))
    return std::nullopt;
  return kinds[static_cast<std::size_t>(index)];
}

std::optional<TRoleKind> JudgeKind(int number, std::span<const TRoleKind> kinds) {
  return RoleKind(number - 1, kinds);
}

int NumberInKind(int index, std::span<const TRoleKind> kinds) {
  const std::optional<TRoleKind> kind = RoleKind(index, kinds);
  return kind ? static_cast<int>(std::count(kinds.begin(), kinds.begin() + index, *kind)) + 1 : 0;
}

std::optional<int> FindDisciplineIndex(std::string_view disciplineCode) {
  return FindLast(disciplineCode, DisciplineCodes);
}

} // namespace marivo
