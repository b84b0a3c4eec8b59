#pragma once

#include "platform/net/IpHelper.h"

#include <string>
#include <vector>

namespace marivo {

// The server address list as the official sees it: "This Computer" first, then each dynamic
// neighbour other than the console itself, in the table's order.
struct TServerAddressList {
  std::vector<std::string> Items;
  bool SelectFirst = false; // only a complete table read selects "This Computer"
};

TServerAddressList ServerAddressesFromTable(const std::vector<TIpNetRow>& rows,
                                            const std::string& ownIP);
// Reads the neighbour table; no IP Helper, no neighbours or a failing read leave "This
// Computer" alone (a failing read adds the system's message).
TServerAddressList ReadServerAddresses(const std::string& ownIP);

} // namespace marivo
