#include "platform/net/IPWatch.h"

#include <gtest/gtest.h>

#include <winsock2.h>

#include <sstream>
#include <string>

namespace marivo {
namespace {

bool IsDottedIPv4(const std::string& text) {
  std::istringstream in(text);
  int parts = 0;
  std::string part;
  while (std::getline(in, part, '.')) {
    if (part.empty() || part.size() > 3 || part.find_first_not_of("0123456789") != part.npos ||
        std::stoi(part) > 255)
      return false;
    ++parts;
  }
  return parts == 4 && text.back() != '.';
}

TEST(IPWatchTest, ReportsThisComputersNameAndAnAddressOfIt) {
  TIdIPWatch watch(nullptr);
  const std::string name = watch.LocalName();
  ASSERT_FALSE(name.empty());
  char expected[256];
  ASSERT_EQ(gethostname(expected, sizeof(expected)), 0);
  EXPECT_EQ(name, expected);

  const std::string address = watch.LocalIP();
  EXPECT_TRUE(address.empty() || IsDottedIPv4(address)) << address;

  watch.ForceCheck();
  EXPECT_EQ(watch.LocalName(), name);
  EXPECT_EQ(watch.LocalIP(), address);
}

} // namespace
} // namespace marivo
