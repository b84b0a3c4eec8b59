#include "console/common/ServerAddresses.h"

#include "platform/net/IpAddress.h"
#include "platform/net/SystemError.h"

namespace marivo {

namespace {

constexpr const char* ThisComputer = "This Computer";

} // namespace

std::vector<std::string> ServerAddressesFromTable(const std::vector<TIpNetRow>& rows,
                                                  const std::string& ownIP) {
  std::vector<std::string> items{ThisComputer};
  for (const TIpNetRow& row : rows) {
    const std::string address = FormatIPAddress(row.Address);
    if (row.Type == IpNetTypeDynamic && address != ownIP)
      items.push_back(address);
  }
  return items;
}

std::vector<std::string> ReadServerAddresses(const std::string& ownIP) {
  try {
    const auto rows = ReadIpNetTable();
    if (!rows)
      return {ThisComputer};
    return ServerAddressesFromTable(*rows, ownIP);
  } catch (const EOSError& error) {
    return {ThisComputer, error.Message()};
  }
}

} // namespace marivo
