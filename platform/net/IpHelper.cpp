#include "platform/net/IpHelper.h"

#include "platform/net/SystemError.h"

#include <algorithm>

namespace marivo {

namespace {

// Keeps the library loaded for the life of the program.
struct TIpHelperLibrary {
  HMODULE Module = nullptr;
  TGetIpNetTable GetIpNetTable = nullptr;

  ~TIpHelperLibrary() {
    if (Module != nullptr)
      FreeLibrary(Module);
  }
};

TIpHelperLibrary& Library() {
  static TIpHelperLibrary library;
  return library;
}

constexpr std::size_t RowSize = 24;
constexpr std::size_t RowsOffset = 4;
constexpr std::size_t MaxPhysicalAddress = 8;

std::uint32_t ReadDword(const std::uint8_t* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

} // namespace

bool LoadIpHelperLibrary() {
  TIpHelperLibrary& library = Library();
  if (library.Module == nullptr) {
    library.Module = LoadLibraryA("IPHLPAPI.DLL");
    if (library.Module == nullptr)
      return false;
    library.GetIpNetTable = reinterpret_cast<TGetIpNetTable>(
        reinterpret_cast<void*>(GetProcAddress(library.Module, "GetIpNetTable")));
  }
  return true;
}

TGetIpNetTable GetIpNetTableFunction() {
  return Library().GetIpNetTable;
}

std::vector<TIpNetRow> ParseIpNetTable(std::span<const std::uint8_t> buffer) {
  std::vector<TIpNetRow> rows;
  if (buffer.size() < RowsOffset)
    return rows;
  const std::size_t count =
      std::min<std::size_t>(ReadDword(buffer.data()), (buffer.size() - RowsOffset) / RowSize);
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t* row = buffer.data() + RowsOffset + i * RowSize;
    TIpNetRow entry;
    entry.Index = ReadDword(row);
    const std::size_t length = std::min<std::size_t>(ReadDword(row + 4), MaxPhysicalAddress);
    entry.PhysicalAddress.assign(row + 8, row + 8 + length);
    entry.Address = ReadDword(row + 16);
    entry.Type = ReadDword(row + 20);
    rows.push_back(std::move(entry));
  }
  return rows;
}

std::optional<std::vector<TIpNetRow>> ReadIpNetTable() {
  const TGetIpNetTable getIpNetTable = GetIpNetTableFunction();
  if (getIpNetTable == nullptr)
    return std::nullopt;
  ULONG size = 0;
  if (getIpNetTable(nullptr, &size, FALSE) == ERROR_NO_DATA)
    return std::nullopt;
  // Whole DWORDs, so the table the system writes into it is aligned.
  std::vector<DWORD> buffer((size + sizeof(DWORD) - 1) / sizeof(DWORD));
  ULONG capacity = static_cast<ULONG>(buffer.size() * sizeof(DWORD));
  const DWORD result =
      getIpNetTable(reinterpret_cast<PMIB_IPNETTABLE>(buffer.data()), &capacity, FALSE);
  if (result != NO_ERROR)
    throw EOSError(result);
  return ParseIpNetTable(std::span(reinterpret_cast<const std::uint8_t*>(buffer.data()),
                                   buffer.size() * sizeof(DWORD)));
}

} // namespace marivo
