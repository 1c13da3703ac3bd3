#include "numeric/convert_radix.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kBadRadix = "\xB2\xCE\xCA\xFD\xB4\xED\xCE\xF3-"                       // 参数错误-
                              "\xBD\xF8\xD6\xC6\xD6\xBB\xC4\xDC\xD4\xDA" "2-36"         // 进制只能在
                              "\xD6\xAE\xBC\xE4";                                       // 之间

std::string invalid(const std::string& text, const std::string& radix_name) {
  return "参数错误-" + text + "不是一个有效的" + radix_name + "进制数！";
}

struct Conversion {
  std::string text;
  int from;
  int to;
  std::string result;
  std::string normalised;
};

class ConvertRadix : public testing::TestWithParam<Conversion> {};

TEST_P(ConvertRadix, GivesDigitsAndNormalisesTheCallersText) {
  const Conversion& c = GetParam();
  std::string text = c.text;
  EXPECT_EQ(convert_radix(text, c.from, c.to), c.result);
  EXPECT_EQ(text, c.normalised);
}

INSTANTIATE_TEST_SUITE_P(Values, ConvertRadix, testing::Values(
    Conversion{"ff", 16, 10, "255", "FF"},
    Conversion{"255", 10, 16, "FF", "255"},
    Conversion{"48", 10, 16, "30", "48"},
    Conversion{"30448", 10, 16, "76F0", "30448"},
    Conversion{"0", 10, 16, "0", "0"},
    Conversion{"000", 10, 2, "0", "000"},
    Conversion{"", 10, 16, "0", ""},
    Conversion{"00ff", 16, 10, "255", "00FF"},
    Conversion{"Z", 36, 10, "35", "Z"},
    Conversion{"35", 10, 36, "Z", "35"},
    Conversion{"zz", 36, 2, "10100001111", "ZZ"},
    Conversion{"11111111", 2, 16, "FF", "11111111"},
    Conversion{"4294967295", 10, 16, "FFFFFFFF", "4294967295"},
    Conversion{"4294967296", 10, 16, "100000000", "4294967296"},
    Conversion{"18446744073709551615", 10, 16, "FFFFFFFFFFFFFFFF", "18446744073709551615"},
    Conversion{"18446744073709551616", 10, 16, "10000000000000000", "18446744073709551616"},
    Conversion{"100000000000000000000000000000000", 16, 10, "340282366920938463463374607431768211456",
               "100000000000000000000000000000000"},
    Conversion{"1" + std::string(128, '0'), 2, 16, "1" + std::string(32, '0'), "1" + std::string(128, '0')}));

INSTANTIATE_TEST_SUITE_P(SameRadix, ConvertRadix, testing::Values(
    Conversion{"00FF", 16, 16, "00FF", "00FF"},
    Conversion{"00ff", 16, 16, "00FF", "00FF"},
    Conversion{"", 16, 16, "", ""},
    Conversion{"XY", 16, 16, invalid("XY", "一十六"), "XY"},
    Conversion{"xy", 36, 36, "XY", "XY"}));

// Full-width forms become ASCII before anything is validated; other double-byte characters
// survive untouched, so they fail validation and appear in the message as they were.
INSTANTIATE_TEST_SUITE_P(Normalisation, ConvertRadix, testing::Values(
    Conversion{"ＦＦ", 16, 10, "255", "FF"},
    Conversion{"ｆｆ", 16, 16, "FF", "FF"},
    Conversion{"１２３", 10, 16, "7B", "123"},
    Conversion{"FF\xB0", 16, 10, "255", "FF"},
    Conversion{"\xB0", 10, 16, "0", ""},
    Conversion{"1\xA1\xA1" "2", 10, 16, invalid("1 2", "一十"), "1 2"},
    Conversion{"\xA1\xAB", 10, 16, invalid("~", "一十"), "~"},
    Conversion{"\xA1\xEE\xA1\xEF", 10, 16, invalid("**", "一十"), "**"},
    Conversion{"a\x81" "a" "b", 16, 10, invalid("A\x81" "aB", "一十六"), "A\x81" "aB"},
    Conversion{"十", 10, 16, invalid("十", "一十"), "十"}));

INSTANTIATE_TEST_SUITE_P(InvalidDigits, ConvertRadix, testing::Values(
    Conversion{"1G", 16, 10, invalid("1G", "一十六"), "1G"},
    Conversion{"12", 2, 10, invalid("12", "二"), "12"},
    Conversion{"-5", 10, 16, invalid("-5", "一十"), "-5"},
    Conversion{" 5", 10, 16, invalid(" 5", "一十"), " 5"},
    Conversion{"1.5", 10, 16, invalid("1.5", "一十"), "1.5"},
    Conversion{"+7", 10, 16, invalid("+7", "一十"), "+7"},
    Conversion{"9", 9, 10, invalid("9", "九"), "9"},
    Conversion{"A", 10, 16, invalid("A", "一十"), "A"},
    Conversion{"k", 20, 10, invalid("K", "二十"), "K"},
    Conversion{"b", 11, 10, invalid("B", "一十一"), "B"},
    Conversion{"00 ", 36, 10, invalid("00 ", "三十六"), "00 "}));

TEST(ConvertRadixMessage, IsGbkByteForByte) {
  std::string text = "1g";
  EXPECT_EQ(convert_radix(text, 16, 10),
            "\xB2\xCE\xCA\xFD\xB4\xED\xCE\xF3-1G"                   // 参数错误-1G
            "\xB2\xBB\xCA\xC7\xD2\xBB\xB8\xF6\xD3\xD0\xD0\xA7\xB5\xC4"  // 不是一个有效的
            "\xD2\xBB\xCA\xAE\xC1\xF9"                              // 一十六
            "\xBD\xF8\xD6\xC6\xCA\xFD\xA3\xA1");                    // 进制数！
}

struct RadixPair {
  int from;
  int to;
};

class BadRadix : public testing::TestWithParam<RadixPair> {};

TEST_P(BadRadix, IsRefusedAndLeavesTheTextAlone) {
  std::string text = "ｆf";
  EXPECT_EQ(convert_radix(text, GetParam().from, GetParam().to), kBadRadix);
  EXPECT_EQ(text, "ｆf");
}

INSTANTIATE_TEST_SUITE_P(OutsideTwoToThirtySix, BadRadix, testing::Values(
    RadixPair{16, 37}, RadixPair{37, 16}, RadixPair{1, 10}, RadixPair{10, 1},
    RadixPair{0, 0}, RadixPair{-16, 10}, RadixPair{16, 16 + 256}));

TEST(ConvertRadixBounds, TwoAndThirtySixAreValid) {
  std::string text = "101";
  EXPECT_EQ(convert_radix(text, 2, 36), "5");
  text = "z";
  EXPECT_EQ(convert_radix(text, 36, 2), "100011");
}

}  // namespace
