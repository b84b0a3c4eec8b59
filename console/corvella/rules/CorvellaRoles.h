#pragma once

#include "console/common/protocol/RoleCodes.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace marivo::corvella {

// The earlier rules' roles, in the order of the role radio group: the index is the item index,
// the judge number in payloads is index + 1.
inline constexpr int RoleCount = 17;

// Role field of frame headers; the last entry is the server's own code.
inline constexpr std::array<std::string_view, RoleCount + 1> RoleCodes = {
    "J1  ", "J2  ", "J3  ", "J4  ", "J5  ", "J6  ", "J7  ", "J8  ", "J9  ",
    "J10 ", "J11 ", "J12 ", "J13 ", "J14 ", "J15 ", "TIME", "HJ  ", "ZEL "};

// The codes a received role field is looked up in: the server's own code is never among them.
inline constexpr std::span<const std::string_view> LookupRoleCodes{RoleCodes.data(), RoleCount};

// The kind of each role, by role index. The difficulty judges score the elements of a technical
// routine; the head judge referees.
inline constexpr std::array<TRoleKind, RoleCount> RoleKinds = {
    TRoleKind::ExecutionJudge,  TRoleKind::ExecutionJudge,  TRoleKind::ExecutionJudge,
    TRoleKind::ExecutionJudge,  TRoleKind::ExecutionJudge,  TRoleKind::ImpressionJudge,
    TRoleKind::ImpressionJudge, TRoleKind::ImpressionJudge, TRoleKind::ImpressionJudge,
    TRoleKind::ImpressionJudge, TRoleKind::DifficultyJudge, TRoleKind::DifficultyJudge,
    TRoleKind::DifficultyJudge, TRoleKind::DifficultyJudge, TRoleKind::DifficultyJudge,
    TRoleKind::TimeKeeper,      TRoleKind::Referee,
};

// The role table's questions, asked of these rules' roles.
std::optional<TRoleKind> RoleKind(int index);
std::optional<TRoleKind> JudgeKind(int number);
int NumberInKind(int index);

// The judge number of a header's role code, or 0 when it matches no role.
int SenderNumber(std::string_view roleCode);

// The caption of a role in the role group; a technical routine names the artistic and
// difficulty judges after what they score then.
std::string RoleCaption(int index, bool technical);

// The artistic and difficulty judges, whose captions and labels name the discipline's task.
bool NamedByDiscipline(int index);

// The role label on a judge's scoring page; none for the time keeper and the head judge.
std::optional<std::string> JudgeLabel(int index, bool technical);

} // namespace marivo::corvella
