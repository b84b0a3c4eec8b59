#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace marivo::corvella {

// The earlier rules' roles, in the order of the role radio group: the index is the item index,
// the judge number in payloads is index + 1.
inline constexpr int RoleCount = 17;
inline constexpr int TimerRoleIndex = 15;
inline constexpr int HeadJudgeRoleIndex = 16;
inline constexpr int TimeKeeperNumber = 16;
inline constexpr int HeadJudgeNumber = 17;

// Role field of frame headers; the last entry is the server's own code.
inline constexpr std::array<std::string_view, RoleCount + 1> RoleCodes = {
    "J1  ", "J2  ", "J3  ", "J4  ", "J5  ", "J6  ", "J7  ", "J8  ", "J9  ",
    "J10 ", "J11 ", "J12 ", "J13 ", "J14 ", "J15 ", "TIME", "HJ  ", "ZEL "};

// The codes a received role field is looked up in: the server's own code is never among them.
inline constexpr std::span<const std::string_view> LookupRoleCodes{RoleCodes.data(), RoleCount};

bool IsExecutionJudge(int number);  // 1-5
bool IsArtisticJudge(int number);   // 6-10
bool IsDifficultyJudge(int number); // 11-15: free-routine difficulty or technical elements

// The judge number of a header's role code, or 0 when it matches no role.
int SenderNumber(std::string_view roleCode);

// The caption of a role in the role group; a technical routine names the artistic and
// difficulty judges after what they score then.
std::string RoleCaption(int index, bool technical);

// The role label on a judge's scoring page; none for the time keeper and the head judge.
std::optional<std::string> JudgeLabel(int index, bool technical);

} // namespace marivo::corvella
