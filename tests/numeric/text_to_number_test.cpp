#include "numeric/text_to_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "numeric/convert_radix.h"
#include "numeric/half_width.h"

namespace {

struct HalfWidth {
  std::string text;
  std::string expected;
};

class ToHalfWidth : public testing::TestWithParam<HalfWidth> {};

TEST_P(ToHalfWidth, MapsFullWidthFormsOnly) {
  EXPECT_EQ(to_half_width(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Forms, ToHalfWidth, testing::Values(
    HalfWidth{"", ""},
    HalfWidth{"abc 123", "abc 123"},
    HalfWidth{"\xA3\xA1", "!"},
    HalfWidth{"\xA3\xFE", "~"},
    HalfWidth{"\xA3\xA0", "\xA3\xA0"},
    HalfWidth{"\xA3\xFF", "\xA3\xFF"},
    HalfWidth{"１２．５ｅ－３", "12.5e-3"},
    HalfWidth{"\xA1\xA1", " "},
    HalfWidth{"\xA1\xAB", "~"},
    HalfWidth{"\xA1\xEE\xA1\xEF", "**"},
    HalfWidth{"\xA1\xA2", "\xA1\xA2"},
    HalfWidth{"凯立德", "凯立德"},
    HalfWidth{"\xB0\xA3\xA3\xB1", "\xB0\xA3" "1"},  // pairs are taken from the start
    HalfWidth{"12\xB0", "12"},
    HalfWidth{"\xFF", ""},
    HalfWidth{"\x80" "1", "\x80" "1"}));

struct Reading {
  std::string text;
  double number;
  std::int64_t whole;
};

class TextToNumber : public testing::TestWithParam<Reading> {};

TEST_P(TextToNumber, ReadsLikeAtofAndCutsTowardZero) {
  EXPECT_EQ(text_to_number(GetParam().text), GetParam().number);
  EXPECT_EQ(whole_number(GetParam().text), GetParam().whole);
}

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

INSTANTIATE_TEST_SUITE_P(Decimal, TextToNumber, testing::Values(
    Reading{"", 0, 0},
    Reading{"254", 254, 254},
    Reading{"12.9", 12.9, 12},
    Reading{"-7.9", -7.9, -7},
    Reading{"+3", 3, 3},
    Reading{" \t\n5", 5, 5},
    Reading{"5.", 5, 5},
    Reading{".5", 0.5, 0},
    Reading{"-.5", -0.5, 0},
    Reading{"1e3", 1000, 1000},
    Reading{"2.5E-1", 0.25, 0},
    Reading{"1e", 1, 1},
    Reading{"1e+", 1, 1},
    Reading{"7 apples", 7, 7},
    Reading{"007", 7, 7},
    Reading{"9223372036854775807", 9223372036854775807.0, kMax},
    Reading{"-9223372036854775808", -9223372036854775808.0, kMin},
    Reading{"1e300", 1e300, kMax},
    Reading{"-1e300", -1e300, kMin},
    Reading{"1e400", HUGE_VAL, kMax},
    Reading{"-1e999999999", -HUGE_VAL, kMin},
    Reading{"1e-400", 0, 0},
    Reading{"0.000000000001e-400", 0, 0}));

INSTANTIATE_TEST_SUITE_P(NoLeadingNumber, TextToNumber, testing::Values(
    Reading{"abc", 0, 0},
    Reading{"-", 0, 0},
    Reading{".", 0, 0},
    Reading{"e5", 0, 0},
    Reading{"- 5", 0, 0},
    Reading{"0x1A", 0, 0},
    Reading{"inf", 0, 0},
    Reading{"-INFINITY", 0, 0},
    Reading{"nan", 0, 0},
    Reading{"十", 0, 0}));

INSTANTIATE_TEST_SUITE_P(FullWidth, TextToNumber, testing::Values(
    Reading{"１２", 12, 12},
    Reading{"－３．５", -3.5, -3},
    Reading{"\xA1\xA1" "42", 42, 42},
    Reading{"４２\xB0", 42, 42}));

TEST(TextToNumber, ReadsBothRadixMessagesAsZero) {
  std::string bad_digits = "1G";
  std::string bad_radix = "1";
  EXPECT_EQ(whole_number(convert_radix(bad_digits, 16, 10)), 0);
  EXPECT_EQ(whole_number(convert_radix(bad_radix, 16, 99)), 0);
}

}  // namespace
