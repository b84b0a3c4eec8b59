#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace marivo {

// The roles a console can take, in the order of the role radio group: the index is the item
// index, the judge number in payloads is index + 1.
inline constexpr int RoleCount = 20;
inline constexpr int ServerRoleIndex = RoleCount;

// Role field of frame headers; the last entry is the server's own code.
inline constexpr std::array<std::string_view, RoleCount + 1> RoleCodes = {
    "J1  ", "J2  ", "J3  ", "J4  ", "J5  ", "J6  ", "J7  ", "J8  ", "J9  ", "J10 ", "J11 ",
    "J12 ", "J13 ", "J14 ", "J15 ", "J16 ", "TIME", "HJ  ", "HJ2 ", "DTC ", "ZEL "};

// Captions of the role radio group before any discipline relabels them.
inline constexpr std::array<std::string_view, RoleCount> RoleCaptions = {
    "Judge 1 (Elements)",
    "Judge 2 (Elements)",
    "Judge 3 (Elements)",
    "Judge 4 (Elements)",
    "Judge 5 (Elements)",
    "Judge 1 (Impression)",
    "Judge 2 (Impression)",
    "Judge 3 (Impression)",
    "Judge 4 (Impression)",
    "Judge 5 (Impression)",
    "STC 1",
    "STC 2",
    "STC 3",
    "DATC 1",
    "DATC 2",
    "DATC 3",
    "Timer",
    "Referee",
    "Referee 2",
    "DTC",
};

// What a role does. Each console maps the kinds its roles have to its pages and panels.
enum class TRoleKind {
  ElementJudge,
  ImpressionJudge,
  SynchronizationController,
  DifficultyController,
  TimeKeeper,
  Referee,
  TechnicalController,
  // Only the earlier rules have these.
  ExecutionJudge,
  DifficultyJudge,
};

// The kind of each role, by role index.
inline constexpr std::array<TRoleKind, RoleCount> RoleKinds = {
    TRoleKind::ElementJudge,
    TRoleKind::ElementJudge,
    TRoleKind::ElementJudge,
    TRoleKind::ElementJudge,
    TRoleKind::ElementJudge,
    TRoleKind::ImpressionJudge,
    TRoleKind::ImpressionJudge,
    TRoleKind::ImpressionJudge,
    TRoleKind::ImpressionJudge,
    TRoleKind::ImpressionJudge,
    TRoleKind::SynchronizationController,
    TRoleKind::SynchronizationController,
    TRoleKind::SynchronizationController,
    TRoleKind::DifficultyController,
    TRoleKind::DifficultyController,
    TRoleKind::DifficultyController,
    TRoleKind::TimeKeeper,
    TRoleKind::Referee,
    TRoleKind::Referee,
    TRoleKind::TechnicalController,
};

// Discipline field of frame headers, by item index of the discipline radio group.
inline constexpr std::array<std::string_view, 2> DisciplineCodes = {"FREE", "TECH"};

// The codes a received role field is looked up in: the server's own code is never among them.
inline constexpr std::span<const std::string_view> LookupRoleCodes{RoleCodes.data(), RoleCount};

// Index of the last entry of roles equal to roleCode (exact and case-sensitive), if any.
std::optional<int> FindRoleIndex(std::string_view roleCode,
                                 std::span<const std::string_view> roles = LookupRoleCodes);

// Judge number of a role code, index + 1; a code that matches no role counts as judge 1.
int RoleJudgeNumber(std::string_view roleCode,
                    std::span<const std::string_view> roles = LookupRoleCodes);

// The kind of the role at index; none for an index outside the table.
std::optional<TRoleKind> RoleKind(int index, std::span<const TRoleKind> kinds = RoleKinds);

// The kind of a judge number of payloads (index + 1).
std::optional<TRoleKind> JudgeKind(int number, std::span<const TRoleKind> kinds = RoleKinds);

// The role's place among the roles of its kind, from 1 ("STC 2" is the second); 0 for an index
// outside the table.
int NumberInKind(int index, std::span<const TRoleKind> kinds = RoleKinds);

// Index of a discipline code (exact), if it is one.
std::optional<int> FindDisciplineIndex(std::string_view disciplineCode);

} // namespace marivo
