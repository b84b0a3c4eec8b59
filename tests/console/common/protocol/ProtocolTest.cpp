#include "console/common/protocol/Protocol.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace marivo {
namespace {

// Frames written with control bytes by name, as the traffic log shows them: "[SOH]TX[STX]".
std::string W(std::string text) {
  const std::vector<std::pair<std::string, char>> names = {
      {"[NUL]", '\0'}, {"[SOH]", SOH}, {"[STX]", STX}, {"[EOT]", EOT}, {"[DC1]", DC1},
      {"[DC2]", DC2},  {"[DC3]", DC3}, {"[DC4]", DC4}, {"[DC5]", DC5},
  };
  for (const auto& [name, byte] : names) {
    for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + 1))
      text.replace(at, name.size(), 1, byte);
  }
  return text;
}

struct TBuildCase {
  const char* Code;
  const char* Discipline;
  const char* Role;
  std::string Payload;
  std::string Expected;
};

TEST(ProtocolTest, BuildFrameWritesExactBytesThatSplitBack) {
  const std::vector<TBuildCase> cases = {
      {"SD", "FREE", "J1  ", W("9.25[DC2]8.50[DC2]"),
       W("[SOH]SDFREEJ1  [STX]9.25[DC2]8.50[DC2][EOT]")},
      {"CM", "TECH", "HJ  ", "  hello  ", W("[SOH]CMTECHHJ  [STX]  hello  [EOT]")},
      {"CC", "FREE", "J6  ", "Judge 1\r(Impression)",
       W("[SOH]CCFREEJ6  [STX]Judge 1\r(Impression)[EOT]")},
      {"IP", "TECH", "DTC ", "", W("[SOH]IPTECHDTC [STX][EOT]")},
      {"CM", "FREE", "TIME", W("a[NUL]b"), W("[SOH]CMFREETIME[STX]a[NUL]b[EOT]")},
      {"CM", "FREE", "J2  ", W("a[EOT]b[EOT]"), W("[SOH]CMFREEJ2  [STX]ab[EOT]")},
      {"ST", "FREE", "J11 ", W("45000.5[DC2]"), W("[SOH]STFREEJ11 [STX]45000.5[DC2][EOT]")},
      {"MV", "TECH", "HJ2 ", W("-1[DC1]"), W("[SOH]MVTECHHJ2 [STX]-1[DC1][EOT]")},
  };
  for (const auto& c : cases) {
    const std::string frame = BuildFrame(c.Code, c.Discipline, c.Role, c.Payload);
    EXPECT_EQ(frame, c.Expected) << c.Expected;
    const TFrame split = SplitFrame(frame);
    EXPECT_EQ(split.Header, std::string(c.Code) + c.Discipline + c.Role) << c.Expected;
    EXPECT_EQ(split.Code, c.Code) << c.Expected;
    EXPECT_EQ(split.Role, c.Role) << c.Expected;
    EXPECT_EQ(split.Payload + EOT, c.Expected.substr(12)) << c.Expected;
  }
}

struct TSplitCase {
  const char* Name;
  std::string Frame;
  TFrame Expected;
};

TEST(ProtocolTest, SplitFrameReadsHeaderFieldsAndPayload) {
  const std::vector<TSplitCase> cases = {
      {"receipt",
       W("[SOH]TXFREEZEL [STX]J3[DC1][EOT]"),
       {"TXFREEZEL ", "TX", "ZEL ", W("J3[DC1]")}},
      {"lower-case code",
       W("[SOH]txFREEZEL [STX]J3  [DC1][EOT]"),
       {"txFREEZEL ", "tx", "ZEL ", W("J3  [DC1]")}},
      {"NUL in payload",
       W("[SOH]SDFREEJ2  [STX]a[NUL]b[DC2][NUL][EOT]"),
       {"SDFREEJ2  ", "SD", "J2  ", W("a[NUL]b[DC2][NUL]")}},
      {"NUL in header",
       W("[SOH]S[NUL]FREEJ[NUL]  [STX]x[EOT]"),
       {W("S[NUL]FREEJ[NUL]  "), W("S[NUL]"), W("J[NUL]  "), "x"}},
      {"STX inside payload",
       W("[SOH]SDFREEJ1  [STX]a[STX]b[EOT]"),
       {"SDFREEJ1  ", "SD", "J1  ", W("a[STX]b")}},
      {"no STX", W("[SOH]TXFREEZEL J3[DC1][EOT]"), {}},
      {"no STX and no EOT", W("[SOH]TX"), {}},
      {"empty frame", "", {}},
      {"no SOH", W("TXFREEZEL [STX]J3[DC1][EOT]"), {"TXFREEZEL ", "TX", "ZEL ", W("J3[DC1]")}},
      {"bytes before SOH",
       W("zz[SOH]CSFREEJ4  [STX]Off[EOT]"),
       {"CSFREEJ4  ", "CS", "J4  ", "Off"}},
      {"SOH after STX", W("[STX]xx[SOH]yy[EOT]"), {"", "", "", W("xx[SOH]yy")}},
      {"header of 8", W("[SOH]IPFREEJ1[STX]1.2.3.4[EOT]"), {"IPFREEJ1", "IP", "J1", "1.2.3.4"}},
      {"header of 6", W("[SOH]CNFREE[STX]host[EOT]"), {"CNFREE", "CN", "", "host"}},
      {"header of 1", W("[SOH]T[STX]abc[EOT]"), {"T", "T", "", "abc"}},
      {"header of 12", W("[SOH]SDFREEJ1  xx[STX]1[EOT]"), {"SDFREEJ1  xx", "SD", "J1  ", "1"}},
      {"empty header", W("[SOH][STX]abc[EOT]"), {"", "", "", "abc"}},
      {"STX only", W("[STX]"), {}},
      {"empty payload", W("[SOH]TPFREEZEL [STX][EOT]"), {"TPFREEZEL ", "TP", "ZEL ", ""}},
      {"last byte dropped whatever it is",
       W("[SOH]CMFREEZEL [STX]hello"),
       {"CMFREEZEL ", "CM", "ZEL ", "hell"}},
  };
  for (const auto& c : cases) {
    const TFrame split = SplitFrame(c.Frame);
    EXPECT_EQ(split.Header, c.Expected.Header) << c.Name;
    EXPECT_EQ(split.Code, c.Expected.Code) << c.Name;
    EXPECT_EQ(split.Role, c.Expected.Role) << c.Name;
    EXPECT_EQ(split.Payload, c.Expected.Payload) << c.Name;
  }
}

struct TFieldCase {
  std::string Text;
  char Separator;
  std::string Before, After;
};

TEST(ProtocolTest, BeforeAndAfterSplitAtFirstSeparator) {
  const std::vector<TFieldCase> cases = {
      {W("6[DC1]1.5[DC2]2.0[DC2]"), DC1, "6", W("1.5[DC2]2.0[DC2]")},
      // A payload lacking its DC1 field: the first field is empty, the payload stays whole.
      {W("7.5[DC2]8.0[DC2]"), DC1, "", W("7.5[DC2]8.0[DC2]")},
      {"", DC1, "", ""},
      {W("[DC1]abc"), DC1, "", "abc"},
      {W("abc[DC1]"), DC1, "abc", ""},
      {W("[DC1]"), DC1, "", ""},
      {"a^b^c", '^', "a", "b^c"},
      {"^^", '^', "", "^"},
      {W("a[NUL]b^c"), '^', W("a[NUL]b"), "c"},
      {W("a[NUL]b"), '\0', "a", "b"},
      {"Team;Ann;Bea;", ';', "Team", "Ann;Bea;"},
      {W(" J3  [DC1]"), DC1, " J3  ", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Before(c.Text, c.Separator), c.Before) << c.Text;
    EXPECT_EQ(After(c.Text, c.Separator), c.After) << c.Text;
  }
}

TEST(ProtocolTest, WalkingPayloadReadsMissingItemsAsEmpty) {
  std::string payload = W("6[DC1]9.0[DC2] 8.5 [DC2][DC2]7.0");
  std::vector<std::string> items{Before(payload, DC1)};
  payload = After(payload, DC1);
  for (int i = 0; i < 5; ++i) {
    items.push_back(Before(payload, DC2));
    payload = After(payload, DC2);
  }
  const std::vector<std::string> expected = {"6", "9.0", " 8.5 ", "", "", ""};
  EXPECT_EQ(items, expected);
  EXPECT_EQ(payload, "7.0");
}

TEST(ProtocolTest, SameCodeIgnoresCaseOnly) {
  const std::vector<std::tuple<std::string, std::string, bool>> cases = {
      {"TX", "TX", true},   {"tx", "TX", true},        {"Tx", "TX", true},     {"sD", "SD", true},
      {"", "", true},       {"TY", "TX", false},       {"T", "TX", false},     {"", "TX", false},
      {"TX ", "TX", false}, {W("T[NUL]"), "T", false}, {"\xd4X", "TX", false},
  };
  for (const auto& [code, expected, same] : cases)
    EXPECT_EQ(SameCode(code, expected), same) << code << " " << expected;
}

} // namespace
} // namespace marivo
