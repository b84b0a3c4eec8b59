#pragma once

#include "platform/net/IpHelper.h"

#include <string>
#include <vector>

namespace marivo {

// The server address list as the official sees it: "This Computer" first, then each dynamic
// neighbour other than the console itself, in the table's order.
std::vector<std::string> ServerAddressesFromTable(const std::vector<TIpNetRow>& rows,
                                                  const std::string& ownIP);
// Reads the neighbour table; no IP Helper, no neighbours or a failing read leave "This
// Computer" alone (a failing read adds the system's message).
std::vector<std::string> ReadServerAddresses(const std::string& ownIP);

} // namespace marivo
