#include "console/common/ServerAddresses.h"

#include "platform/net/IpAddress.h"
#include "platform/net/SystemError.h"

namespace marivo {

namespace {

constexpr const char* ThisComputer = "This Computer";

} // namespace

TServerAddressList ServerAddressesFromTable(const std::vector<TIpNetRow>& rows,
                                            const std::string& ownIP) {
  TServerAddressList list{{ThisComputer}, true};
  for (const TIpNetRow& row : rows) {
    const std::string address = FormatIPAddress(row.Address);
    if (row.Type == IpNetTypeDynamic && address != ownIP)
      list.Items.push_back(address);
  }
  return list;
}

TServerAddressList ReadServerAddresses(const std::string& ownIP) {
  try {
    const auto rows = ReadIpNetTable();
    if (!rows)
      return {{ThisComputer}, false};
    return ServerAddressesFromTable(*rows, ownIP);
  } catch (const EOSError& error) {
    return {{ThisComputer, error.Message()}, false};
  }
}

} // namespace marivo
