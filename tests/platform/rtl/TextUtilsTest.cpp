#include "platform/rtl/TextUtils.h"

#include "platform/rtl/Exceptions.h"
#include <clocale>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <locale>
#include <string>
#include <vector>

namespace marivo {
namespace {

struct TFormatCase {
  const char* Pattern;
  double Value;
  const char* Expected;
};

TEST(TextUtilsTest, FormatFloatRoundsShortestFormHalfAwayFromZero) {
  const std::vector<TFormatCase> cases = {
      {"0.00", 2.675, "2.68"},
      {"0.00", 0.125, "0.13"},
      {"0.00", -0.125, "-0.13"},
      {"0.00", 0.375, "0.38"},
      {"0.00", 1.005, "1.01"},
      {"0.00", 0.005, "0.01"},
      {"0", 2.5, "3"},
      {"0", -2.5, "-3"},
      {"0", 0.5, "1"},
      {"0", 0.49, "0"},
      {"#0.00", 1234.5, "1234.50"},
      {"0.00", 0, "0.00"},
      {"0.00", -0.001, "0.00"},
      {"0.0", -0.04, "0.0"},
      {"0", -0.0, "0"},
      {"#0.0", 9.95, "10.0"},
      {"0.000", 9.9995, "10.000"},
      {"0.000", 1.0005, "1.001"},
      {"#0.00", 0.045, "0.05"},
      {"0.0", 123456.25, "123456.3"},
      {"#0.0", 7, "7.0"},
      {"0.00", 0.994, "0.99"},
      {"0.00", 0.995, "1.00"},
      {"#0.00", -0.995, "-1.00"},
      {"#", 0, ""},
      {"#.00", 0.25, ".25"},
      {"000", 5, "005"},
      {"0.00", 1e20, "100000000000000000000.00"},
      {"0.0", 1.5e-7, "0.0"},
      {"0.000", 1.5e-3, "0.002"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatFloat(c.Pattern, c.Value), c.Expected) << c.Pattern << " " << c.Value;
}

TEST(TextUtilsTest, FormatFloatNonFiniteAndBadPatterns) {
  EXPECT_EQ(FormatFloat("0.00", std::numeric_limits<double>::infinity()), "INF");
  EXPECT_EQ(FormatFloat("0.00", -std::numeric_limits<double>::infinity()), "-INF");
  EXPECT_EQ(FormatFloat("0.00", std::numeric_limits<double>::quiet_NaN()), "NAN");
  for (const char* pattern : {"", "0.", "0,00", "0.0#", "x", "0.00e"})
    EXPECT_THROW(FormatFloat(pattern, 1.5), EConvertError) << pattern;
}

TEST(TextUtilsTest, FloatToStrUsesFifteenDigitsAndExponentForm) {
  const std::vector<std::pair<double, const char*>> cases = {
      {1.5, "1.5"},
      {2, "2"},
      {0.1 + 0.2, "0.3"},
      {-0.5, "-0.5"},
      {0, "0"},
      {-0.0, "0"},
      {1e20, "1E20"},
      {1.5e-7, "1.5E-7"},
      {-2.5e-5, "-2.5E-5"},
      {0.0001, "0.0001"},
      {123456789012345.0, "123456789012345"},
      {1e15, "1E15"},
      {999999999999999.9, "1E15"},
      {1234567.891, "1234567.891"},
      {1.0 / 3.0, "0.333333333333333"},
      {2.0 / 3.0, "0.666666666666667"},
  };
  for (const auto& [value, expected] : cases)
    EXPECT_EQ(FloatToStr(value), expected) << value;
  EXPECT_EQ(FloatToStr(std::numeric_limits<double>::infinity()), "INF");
  EXPECT_EQ(FloatToStr(std::numeric_limits<double>::quiet_NaN()), "NAN");
}

TEST(TextUtilsTest, StrToFloatIsStrict) {
  const std::vector<std::pair<const char*, double>> accepted = {
      {"1.5", 1.5}, {" -2.25 ", -2.25},  {"1e3", 1000},  {".5", 0.5}, {"5.", 5},
      {"+7", 7},    {"-1.5E-2", -0.015}, {"\t3\r\n", 3}, {"0", 0},    {"1e+2", 100},
  };
  for (const auto& [text, expected] : accepted)
    EXPECT_EQ(StrToFloat(text), expected) << text;
  for (const char* text :
       {"1,5", "inf",   "nan", "0x10", "",    " ",   "1e",    ".",   "+",    "-",
        "1e+", "1.5.2", "1 5", "e5",   "--1", "+-1", "1e999", "INF", "1.5x", "$10"}) {
    double value = 42;
    EXPECT_FALSE(TryStrToFloat(text, value)) << text;
    EXPECT_EQ(value, 42) << text;
    EXPECT_THROW(StrToFloat(text), EConvertError) << text;
  }
}

TEST(TextUtilsTest, StrToIntIsStrictAndRejectsOverflow) {
  const std::vector<std::pair<const char*, int>> accepted = {
      {"0", 0},
      {"42", 42},
      {"-42", -42},
      {"+7", 7},
      {"$ff", 255},
      {"$FF", 255},
      {"-$10", -16},
      {"007", 7},
      {"2147483647", 2147483647},
      {"-2147483648", std::numeric_limits<int>::min()},
  };
  for (const auto& [text, expected] : accepted)
    EXPECT_EQ(StrToInt(text), expected) << text;
  for (const char* text :
       {"", " ", " 1", "1 ", "1.0", "abc", "0x10", "$", "-", "+", "$g", "2147483648", "-2147483649",
        "$80000000", "1e3", "--1", "99999999999999999999"}) {
    int value = 42;
    EXPECT_FALSE(TryStrToInt(text, value)) << text;
    EXPECT_EQ(value, 42) << text;
    EXPECT_THROW(StrToInt(text), EConvertError) << text;
  }
}

TEST(TextUtilsTest, StrToInt64CoversTheWholeRange) {
  EXPECT_EQ(StrToInt64("9223372036854775807"), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(StrToInt64("-9223372036854775808"), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(StrToInt64("$7FFFFFFFFFFFFFFF"), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(StrToInt64("2147483648"), 2147483648LL);
  std::int64_t value = 1;
  EXPECT_FALSE(TryStrToInt64("9223372036854775808", value));
  EXPECT_FALSE(TryStrToInt64("-9223372036854775809", value));
  EXPECT_FALSE(TryStrToInt64("18446744073709551616", value));
  EXPECT_FALSE(TryStrToInt64("$10000000000000000", value));
  EXPECT_EQ(value, 1);
  EXPECT_EQ(IntToStr(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
  EXPECT_EQ(IntToStr(-5), "-5");
}

TEST(TextUtilsTest, ConversionErrorsNameTheText) {
  try {
    StrToInt("abc");
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'abc' is not a valid integer value");
  }
  try {
    StrToInt64("12x");
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'12x' is not a valid integer value");
  }
  try {
    StrToFloat("1,5");
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'1,5' is not a valid floating point value");
  }
}

TEST(TextUtilsTest, CopyAndPosStayInBounds) {
  const std::string s = "Marivo";
  struct TCopyCase {
    int Index;
    int Count;
    const char* Expected;
  };
  const std::vector<TCopyCase> copies = {
      {1, 3, "Mar"},
      {4, 3, "ivo"},
      {4, 100, "ivo"},
      {0, 2, "Ma"},
      {-5, 2, "Ma"},
      {6, 1, "o"},
      {7, 1, ""},
      {100, 1, ""},
      {2, 0, ""},
      {2, -1, ""},
      {1, std::numeric_limits<int>::max(), "Marivo"},
      {std::numeric_limits<int>::max(), std::numeric_limits<int>::max(), ""},
  };
  for (const auto& c : copies)
    EXPECT_EQ(Copy(s, c.Index, c.Count), c.Expected) << c.Index << " " << c.Count;
  EXPECT_EQ(Copy("", 1, 1), "");

  EXPECT_EQ(Pos("M", s), 1);
  EXPECT_EQ(Pos("ivo", s), 4);
  EXPECT_EQ(Pos("ivox", s), 0);
  EXPECT_EQ(Pos("m", s), 0);
  EXPECT_EQ(Pos("", s), 0);
  EXPECT_EQ(Pos("a", ""), 0);
}

TEST(TextUtilsTest, TrimRemovesBlanksAndControlCharacters) {
  const std::string padded = std::string("\t\r\n \x01") + "a b" + std::string(" \0\x1f", 3);
  EXPECT_EQ(Trim(padded), "a b");
  EXPECT_EQ(TrimLeft(padded), "a b" + std::string(" \0\x1f", 3));
  EXPECT_EQ(TrimRight(padded), "\t\r\n \x01"
                               "a b");
  EXPECT_EQ(Trim(" \t "), "");
  EXPECT_EQ(Trim(""), "");
  // Bytes above 0x7F are text, not blanks, even where char is signed.
  EXPECT_EQ(Trim("\xA0x\xE9"), "\xA0x\xE9");
}

TEST(TextUtilsTest, CaseHelpersAreAsciiOnly) {
  EXPECT_EQ(UpperCase("abc-XYZ \xE9"), "ABC-XYZ \xE9");
  EXPECT_EQ(LowerCase("ABC-xyz \xC9"), "abc-xyz \xC9");
  EXPECT_TRUE(SameText("Tessaline", "tESSALINE"));
  EXPECT_FALSE(SameText("abc", "abcd"));
  EXPECT_FALSE(SameText("\xE9", "\xC9"));
  EXPECT_EQ(CompareText("abc", "ABC"), 0);
  EXPECT_LT(CompareText("abc", "abd"), 0);
  EXPECT_GT(CompareText("B", "a"), 0);
  EXPECT_LT(CompareText("ab", "ABC"), 0);
  EXPECT_GT(CompareText("abc", "AB"), 0);
  EXPECT_GT(CompareText("\xE9", "z"), 0);
}

// Restores the C and C++ global locales however the test ends.
class TLocaleGuard {
public:
  TLocaleGuard() : CppLocale_(std::locale()), CLocale_(std::setlocale(LC_ALL, nullptr)) {}
  ~TLocaleGuard() {
    std::locale::global(CppLocale_);
    std::setlocale(LC_ALL, CLocale_.c_str());
  }

private:
  std::locale CppLocale_;
  std::string CLocale_;
};

bool TrySwitchToCommaLocale(const char* name) {
  bool comma = false;
  try {
    std::locale locale(name);
    if (std::use_facet<std::numpunct<char>>(locale).decimal_point() == ',') {
      std::locale::global(locale);
      comma = true;
    }
  } catch (const std::runtime_error&) {
    // Many runtimes know only the "C" locale on the C++ side.
  }
  if (std::setlocale(LC_ALL, name) && std::localeconv()->decimal_point[0] == ',')
    comma = true;
  return comma;
}

TEST(TextUtilsTest, NumbersIgnoreTheGlobalLocale) {
  TLocaleGuard guard;
  bool switched = false;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "German",
                           "German_Germany.1252", "French", ""}) {
    if (TrySwitchToCommaLocale(name)) {
      switched = true;
      break;
    }
  }
  if (!switched)
    GTEST_SKIP() << "no locale with a comma decimal separator is installed";
  EXPECT_EQ(FormatFloat("#0.00", 1234.5), "1234.50");
  EXPECT_EQ(FormatFloat("0.000", -2.0625), "-2.063");
  EXPECT_EQ(FloatToStr(1.25), "1.25");
  EXPECT_EQ(FloatToStr(1.5e-7), "1.5E-7");
  EXPECT_EQ(StrToFloat(" 2.5 "), 2.5);
  EXPECT_EQ(StrToFloat("1e3"), 1000);
  double value = 0;
  EXPECT_FALSE(TryStrToFloat("2,5", value));
  EXPECT_EQ(IntToStr(1234567), "1234567");
}

TEST(TextUtilsTest, FolderAndFileNameJoinWithOneBackslash) {
  EXPECT_EQ(IncludeTrailingPathDelimiter("C:\\Meets\\2026"), "C:\\Meets\\2026\\");
  EXPECT_EQ(IncludeTrailingPathDelimiter("C:\\"), "C:\\");
  EXPECT_EQ(IncludeTrailingPathDelimiter("\\\\server\\share\\"), "\\\\server\\share\\");
}

} // namespace
} // namespace marivo
