#include "console/common/protocol/RoleCodes.h"

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

std::optional<int> FindDisciplineIndex(std::string_view disciplineCode) {
  return FindLast(disciplineCode, DisciplineCodes);
}

} // namespace marivo
