#include "platform/rtl/Exceptions.h"
#include "platform/rtl/TextUtils.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <clocale>
#include <cstdio>
#include <string>

namespace marivo {
namespace {

// The console must write and read "." whatever decimal separator the Windows user has chosen.
class CommaDecimalSeparator : public ::testing::Test {
protected:
  void SetUp() override {
    char previous[16] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, previous, sizeof previous);
    Previous = previous;
    ASSERT_TRUE(SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, ","));
    std::setlocale(LC_ALL, "");
  }
  void TearDown() override {
    SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, Previous.c_str());
    std::setlocale(LC_ALL, "C");
  }
  std::string Previous;
};

TEST_F(CommaDecimalSeparator, NumbersStillUseAPoint) {
  char separator[16] = {};
  GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator);
  ASSERT_STREQ(separator, ",") << "the user's separator did not change";

  EXPECT_EQ(FormatFloat("0.00", 7.25), "7.25");
  EXPECT_EQ(FormatFloat("#0.00", 2.675), "2.68");
  EXPECT_EQ(FormatFloat("0.0", 10), "10.0");
  EXPECT_EQ(FloatToStr(45123.5), "45123.5");
  EXPECT_DOUBLE_EQ(StrToFloat("8.75"), 8.75);
  EXPECT_THROW(StrToFloat("8,75"), EConvertError);
}

} // namespace
} // namespace marivo
