#include "platform/net/IpHelper.h"

#include "platform/net/IpAddress.h"
#include "platform/net/SystemError.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace marivo {
namespace {

TEST(IpHelperTest, FormatIPAddressPutsTheLowestByteFirst) {
  const std::vector<std::pair<std::uint32_t, std::string>> cases = {
      {0x0101A8C0, "192.168.1.1"},     {0, "0.0.0.0"},
      {0xFFFFFFFF, "255.255.255.255"}, {0x0100007F, "127.0.0.1"},
      {0x0A00000A, "10.0.0.10"},       {0x80FF0001, "1.0.255.128"},
  };
  for (const auto& [address, text] : cases)
    EXPECT_EQ(FormatIPAddress(address), text) << std::hex << address;
}

// A table as GetIpNetTable lays it out: the count, then 24-byte rows.
class TTableBytes {
public:
  explicit TTableBytes(std::uint32_t count) { Dword(count); }
  TTableBytes& Row(std::uint32_t index, std::uint32_t physicalLength, std::uint8_t firstByte,
                   std::uint32_t address, std::uint32_t type) {
    Dword(index);
    Dword(physicalLength);
    for (std::uint8_t i = 0; i < 8; ++i)
      Bytes.push_back(static_cast<std::uint8_t>(firstByte + i));
    Dword(address);
    Dword(type);
    return *this;
  }
  std::vector<std::uint8_t> Bytes;

private:
  void Dword(std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
      Bytes.push_back(static_cast<std::uint8_t>(value >> shift));
  }
};

TEST(IpHelperTest, ParseReadsEveryFieldOfEachRowInOrder) {
  const TTableBytes table =
      TTableBytes(2).Row(7, 6, 0xA0, 0x0101A8C0, 3).Row(9, 8, 0x10, 0x0201A8C0, 4);
  const std::vector<TIpNetRow> rows = ParseIpNetTable(table.Bytes);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].Index, 7u);
  EXPECT_EQ(rows[0].PhysicalAddress,
            (std::vector<std::uint8_t>{0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5}));
  EXPECT_EQ(FormatIPAddress(rows[0].Address), "192.168.1.1");
  EXPECT_EQ(rows[0].Type, IpNetTypeDynamic);
  EXPECT_EQ(rows[1].Index, 9u);
  EXPECT_EQ(rows[1].PhysicalAddress.size(), 8u);
  EXPECT_EQ(FormatIPAddress(rows[1].Address), "192.168.1.2");
  EXPECT_EQ(rows[1].Type, 4u);
}

TEST(IpHelperTest, ParseNeverReadsPastAShortOrInconsistentTable) {
  EXPECT_TRUE(ParseIpNetTable({}).empty());
  EXPECT_TRUE(ParseIpNetTable(std::vector<std::uint8_t>{5, 0}).empty());

  // The count claims more rows than the buffer holds; a half row at the end is left out too.
  TTableBytes table = TTableBytes(1000).Row(1, 6, 0, 0x0101A8C0, 3).Row(2, 6, 0, 0x0201A8C0, 3);
  table.Bytes.resize(table.Bytes.size() - 1);
  const std::vector<TIpNetRow> rows = ParseIpNetTable(table.Bytes);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].Index, 1u);

  // A physical-address length beyond the row's 8 bytes.
  const TTableBytes wide = TTableBytes(1).Row(1, 0xFFFFFFFF, 0, 0, 3);
  EXPECT_EQ(ParseIpNetTable(wide.Bytes).at(0).PhysicalAddress.size(), 8u);

  EXPECT_TRUE(ParseIpNetTable(TTableBytes(0).Row(1, 6, 0, 0, 3).Bytes).empty());
}

TEST(IpHelperTest, LibraryLoadsOnceAndTheTableReadsCleanly) {
  ASSERT_TRUE(LoadIpHelperLibrary());
  const TGetIpNetTable bound = GetIpNetTableFunction();
  ASSERT_NE(bound, nullptr);
  EXPECT_TRUE(LoadIpHelperLibrary());
  EXPECT_EQ(GetIpNetTableFunction(), bound);

  // The machine's neighbours are whatever they are; the read must give rows or a clean error.
  try {
    const auto rows = ReadIpNetTable();
    if (rows) {
      for (const TIpNetRow& row : *rows)
        EXPECT_LE(row.PhysicalAddress.size(), 8u);
    }
  } catch (const EOSError& error) {
    EXPECT_NE(error.Code(), 0u);
    EXPECT_FALSE(error.Message().empty());
  }
}

TEST(IpHelperTest, SysErrorMessageGivesOneTrimmedText) {
  const std::string text = SysErrorMessage(ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(text.empty());
  EXPECT_NE(text.back(), '\n');
  EXPECT_NE(text.back(), '\r');
  EXPECT_EQ(EOSError(ERROR_FILE_NOT_FOUND).Message(), text);
  EXPECT_NE(SysErrorMessage(ERROR_NO_DATA), text);
}

} // namespace
} // namespace marivo
