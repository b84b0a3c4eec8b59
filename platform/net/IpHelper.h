#pragma once

#include <windows.h>

#include <iphlpapi.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace marivo {

using TGetIpNetTable = DWORD(WINAPI*)(PMIB_IPNETTABLE table, PULONG size, BOOL order);

// Loads "IPHLPAPI.DLL" on the first call and binds GetIpNetTable; false when the library cannot
// be loaded. The library stays loaded until the program ends. For the main thread.
bool LoadIpHelperLibrary();
// The bound GetIpNetTable, or nullptr while the library or the function is missing.
TGetIpNetTable GetIpNetTableFunction();

constexpr std::uint32_t IpNetTypeDynamic = 3;

// One neighbour of the IPv4 neighbour table.
struct TIpNetRow {
  std::uint32_t Index = 0;
  std::vector<std::uint8_t> PhysicalAddress; // at most 8 bytes
  std::uint32_t Address = 0;                 // first byte lowest, as FormatIPAddress takes it
  std::uint32_t Type = 0;                    // IpNetTypeDynamic, ...
};

// The rows of a table as GetIpNetTable writes it; rows the buffer does not hold whole are left
// out, whatever the table's count says.
std::vector<TIpNetRow> ParseIpNetTable(std::span<const std::uint8_t> buffer);

// The neighbour table in the system's order; nothing when GetIpNetTable is not bound or the
// table is empty (ERROR_NO_DATA). A failing read raises EOSError with the system's text.
std::optional<std::vector<TIpNetRow>> ReadIpNetTable();

} // namespace marivo
