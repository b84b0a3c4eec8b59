#include "console/common/ServerAddresses.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace marivo {
namespace {

constexpr std::uint32_t TypeOther = 1;
constexpr std::uint32_t TypeInvalid = 2;
constexpr std::uint32_t TypeDynamic = 3;
constexpr std::uint32_t TypeStatic = 4;

// A neighbour as the IP Helper stores it: the address's first byte lowest.
TIpNetRow Neighbour(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d,
                    std::uint32_t type) {
  TIpNetRow row;
  row.Index = 7;
  row.PhysicalAddress = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, d};
  row.Address = static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b) << 8 |
                static_cast<std::uint32_t>(c) << 16 | static_cast<std::uint32_t>(d) << 24;
  row.Type = type;
  return row;
}

using TItems = std::vector<std::string>;

TEST(ServerAddresses, DynamicNeighboursFollowThisComputerInTheTablesOrder) {
  const TItems list = ServerAddressesFromTable({Neighbour(192, 168, 1, 30, TypeDynamic),
                                                Neighbour(192, 168, 1, 4, TypeDynamic),
                                                Neighbour(10, 0, 0, 254, TypeDynamic)},
                                               "192.168.1.2");
  EXPECT_EQ(list, (TItems{"This Computer", "192.168.1.30", "192.168.1.4", "10.0.0.254"}));
}

TEST(ServerAddresses, TheConsolesOwnAddressIsNotListedAgain) {
  const TItems list = ServerAddressesFromTable({Neighbour(192, 168, 1, 2, TypeDynamic),
                                                Neighbour(192, 168, 1, 9, TypeDynamic),
                                                Neighbour(192, 168, 1, 2, TypeDynamic)},
                                               "192.168.1.2");
  EXPECT_EQ(list, (TItems{"This Computer", "192.168.1.9"}));
}

TEST(ServerAddresses, OnlyDynamicEntriesAreOffered) {
  const TItems list = ServerAddressesFromTable(
      {Neighbour(192, 168, 1, 1, TypeStatic), Neighbour(192, 168, 1, 11, TypeInvalid),
       Neighbour(192, 168, 1, 12, TypeDynamic), Neighbour(192, 168, 1, 13, TypeOther),
       Neighbour(224, 0, 0, 22, TypeStatic)},
      "192.168.1.2");
  EXPECT_EQ(list, (TItems{"This Computer", "192.168.1.12"}));
}

TEST(ServerAddresses, AnEmptyTableOffersThisComputerAlone) {
  const TItems list = ServerAddressesFromTable({}, "192.168.1.2");
  EXPECT_EQ(list, TItems{"This Computer"});
}

// Before the own address is known (no network) every dynamic neighbour is offered.
TEST(ServerAddresses, AnUnknownOwnAddressHidesNothing) {
  const TItems list = ServerAddressesFromTable(
      {Neighbour(172, 16, 0, 1, TypeDynamic), Neighbour(172, 16, 0, 2, TypeDynamic)}, "");
  EXPECT_EQ(list, (TItems{"This Computer", "172.16.0.1", "172.16.0.2"}));
}

TEST(ServerAddresses, TheMachinesOwnTableAlwaysStartsWithThisComputer) {
  LoadIpHelperLibrary();
  const TItems everything = ReadServerAddresses("");
  ASSERT_FALSE(everything.empty());
  EXPECT_EQ(everything.front(), "This Computer");
  const auto readable = ReadIpNetTable();
  if (!readable || readable->empty())
    GTEST_SKIP() << "this machine's neighbour table is empty or unreadable";
  if (everything.size() < 2)
    GTEST_SKIP() << "this machine's neighbour table lists no dynamic neighbour";

  // Taking a listed neighbour as the own address must drop it and keep the others.
  const std::string own = everything[1];
  const TItems without = ReadServerAddresses(own);
  EXPECT_EQ(std::count(without.begin(), without.end(), own), 0);
  EXPECT_EQ(without.front(), "This Computer");
  EXPECT_EQ(without.size() + std::count(everything.begin(), everything.end(), own),
            everything.size());
}

} // namespace
} // namespace marivo
