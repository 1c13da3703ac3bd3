#include "numeric/hex_helpers.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <limits>
#include <string>

#include "numeric/convert_radix.h"
#include "numeric/text_to_number.h"

namespace {

// The operations as first defined, through the radix conversion and the text-to-number
// rule; the quick path for plain units must agree with them in result and write-back.
std::int64_t reference_hex_value(std::string& t) { return whole_number(convert_radix(t, 16, 10)); }

std::string reference_unit_text(std::int64_t n) {
  std::string decimal = std::to_string(n);
  std::string hex = convert_radix(decimal, 10, 16);
  return hex.size() == 1 ? "0" + hex : hex;
}

std::string reference_unit_difference(std::string& next, std::string& prev) {
  std::int64_t a = reference_hex_value(next);
  const std::int64_t b = reference_hex_value(prev);
  if (a < b) a += 255;
  return reference_unit_text(a - b);
}

std::string reference_unit_sum(std::string& prev, std::string& byte) {
  std::int64_t s = reference_hex_value(prev) + reference_hex_value(byte);
  if (s - 255 > 0.0000001) s -= 255;
  return reference_unit_text(s);
}

std::string unit(int value) { return bytes_to_hex(std::string(1, static_cast<char>(value))); }

std::string lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// Upper, lower and both mixed spellings of a two-digit unit.
std::string spelling(const std::string& unit, int variant) {
  std::string text = unit;
  if (variant & 1) text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
  if (variant & 2) text[1] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[1])));
  return text;
}

struct HexValue {
  std::string text;
  std::int64_t value;
  std::string normalised;
};

class HexValueOf : public testing::TestWithParam<HexValue> {};

TEST_P(HexValueOf, ReadsRadixSixteenAndNormalises) {
  std::string text = GetParam().text;
  EXPECT_EQ(hex_value(text), GetParam().value);
  EXPECT_EQ(text, GetParam().normalised);
}

INSTANTIATE_TEST_SUITE_P(Texts, HexValueOf, testing::Values(
    HexValue{"7f", 127, "7F"},
    HexValue{"", 0, ""},
    HexValue{"XYZ", 0, "XYZ"},
    HexValue{"xyz", 0, "XYZ"},
    HexValue{"co:m2abz", 0, "CO:M2ABZ"},
    HexValue{"co:m2abzq", 0, "CO:M2ABZQ"},
    HexValue{"g1", 0, "G1"},
    HexValue{" 1", 0, " 1"},
    HexValue{"-1", 0, "-1"},
    HexValue{"ｆｆ", 255, "FF"},
    HexValue{"ff\xB0", 255, "FF"},
    HexValue{"ffffffff", 4294967295, "FFFFFFFF"},
    HexValue{"100000000", 4294967296, "100000000"},
    HexValue{"1fffffffffffff", 9007199254740991, "1FFFFFFFFFFFFF"},
    HexValue{"7FFFFFFFFFFFFFFF", std::numeric_limits<std::int64_t>::max(), "7FFFFFFFFFFFFFFF"},
    HexValue{std::string(40, 'f'), std::numeric_limits<std::int64_t>::max(), std::string(40, 'F')}));

TEST(HexValueOf, AgreesWithTheDefinitionForEveryTextOfUpToTwoBytes) {
  // Byte 0 stands for "no byte": texts never hold it.
  for (int first = 0; first < 256; ++first) {
    for (int second = 0; second < 256; ++second) {
      std::string text;
      if (first != 0) text += static_cast<char>(first);
      if (second != 0) text += static_cast<char>(second);
      std::string expected_text = text;
      const std::int64_t expected = reference_hex_value(expected_text);
      std::string actual_text = text;
      ASSERT_EQ(hex_value(actual_text), expected) << first << ' ' << second;
      ASSERT_EQ(actual_text, expected_text) << first << ' ' << second;
    }
  }
}

struct UnitCase {
  std::string left;
  std::string right;
  std::string result;
  std::string left_after;
  std::string right_after;
};

class UnitDifference : public testing::TestWithParam<UnitCase> {};

TEST_P(UnitDifference, DecodesTheByteModulo255) {
  const UnitCase& c = GetParam();
  std::string next = c.left;
  std::string prev = c.right;
  EXPECT_EQ(unit_difference(next, prev), c.result);
  EXPECT_EQ(next, c.left_after);
  EXPECT_EQ(prev, c.right_after);
}

INSTANTIATE_TEST_SUITE_P(Units, UnitDifference, testing::Values(
    UnitCase{"35", "30", "05", "35", "30"},
    UnitCase{"30", "35", "FA", "30", "35"},
    UnitCase{"00", "FF", "00", "00", "FF"},
    UnitCase{"FF", "00", "FF", "FF", "00"},
    UnitCase{"ff", "0a", "F5", "FF", "0A"},
    UnitCase{"00", "01", "FE", "00", "01"},
    UnitCase{"", "", "00", "", ""},
    UnitCase{"G1", "05", "FA", "G1", "05"},
    UnitCase{"A", "5", "05", "A", "5"},
    UnitCase{"ＦＦ", "ｆ０", "0F", "FF", "F0"}));

// Texts longer than a unit never come from a file; the result keeps a radix-16 form.
INSTANTIATE_TEST_SUITE_P(LongerTexts, UnitDifference, testing::Values(
    UnitCase{"1ff", "00", "1FF", "1FF", "00"},
    UnitCase{"00", "1FF", "FE", "00", "1FF"},
    UnitCase{"00", "200", "FD", "00", "200"},
    UnitCase{"0", "FFFFFFFFF", "F0", "0", "FFFFFFFFF"}));

class UnitSum : public testing::TestWithParam<UnitCase> {};

TEST_P(UnitSum, GivesTheNextUnitModulo255) {
  const UnitCase& c = GetParam();
  std::string prev = c.left;
  std::string byte = c.right;
  EXPECT_EQ(unit_sum(prev, byte), c.result);
  EXPECT_EQ(prev, c.left_after);
  EXPECT_EQ(byte, c.right_after);
}

INSTANTIATE_TEST_SUITE_P(Units, UnitSum, testing::Values(
    UnitCase{"F0", "20", "11", "F0", "20"},
    UnitCase{"80", "7F", "FF", "80", "7F"},
    UnitCase{"00", "00", "00", "00", "00"},
    UnitCase{"01", "FF", "01", "01", "FF"},
    UnitCase{"FF", "FF", "FF", "FF", "FF"},
    UnitCase{"ab", "cd", "79", "AB", "CD"},
    UnitCase{"", "7", "07", "", "7"},
    UnitCase{"zz", "10", "10", "ZZ", "10"},
    UnitCase{"ａ０", "１", "A1", "A0", "1"}));

INSTANTIATE_TEST_SUITE_P(LongerTexts, UnitSum, testing::Values(
    UnitCase{"1FF", "FF", "1FF", "1FF", "FF"},
    UnitCase{"7FFFFFFFFFFFFFFF", "7FFFFFFFFFFFFFFF", "FFFFFFFFFFFFFEFF", "7FFFFFFFFFFFFFFF", "7FFFFFFFFFFFFFFF"}));

TEST(UnitArithmetic, AgreesWithTheDefinitionForEveryPairOfUnits) {
  for (int a = 0; a < 256; ++a) {
    for (int b = 0; b < 256; ++b) {
      const std::string left = spelling(unit(a), a + b);
      const std::string right = spelling(unit(b), a * 3 + b);
      std::string next = left, prev = right, ref_next = left, ref_prev = right;
      ASSERT_EQ(unit_difference(next, prev), reference_unit_difference(ref_next, ref_prev)) << left << ' ' << right;
      ASSERT_EQ(next, ref_next);
      ASSERT_EQ(prev, ref_prev);
      std::string sum_prev = left, byte = right, ref_sum_prev = left, ref_byte = right;
      ASSERT_EQ(unit_sum(sum_prev, byte), reference_unit_sum(ref_sum_prev, ref_byte)) << left << ' ' << right;
      ASSERT_EQ(sum_prev, ref_sum_prev);
      ASSERT_EQ(byte, ref_byte);
    }
  }
}

TEST(UnitArithmetic, AgreesWithTheDefinitionForShortAndInvalidTexts) {
  const std::string texts[] = {"", "0", "a", "F", "f", "G", "g", " ", "0G", "g0", "-1", "+1", "1.",
                               "FFF", "fff", "100", "FFFFFFFF", "ffffffff", "100000000", "ＦＦ", "\xB0",
                               "1\xA1\xA1", "\x81" "a"};
  for (const std::string& left : texts) {
    for (const std::string& right : texts) {
      std::string next = left, prev = right, ref_next = left, ref_prev = right;
      const std::string expected = reference_unit_difference(ref_next, ref_prev);
      if (expected.find_first_not_of("0123456789ABCDEF") == std::string::npos) {
        EXPECT_EQ(unit_difference(next, prev), expected) << left << ' ' << right;
        EXPECT_EQ(next, ref_next);
        EXPECT_EQ(prev, ref_prev);
      }
      std::string sum_prev = left, byte = right, ref_sum_prev = left, ref_byte = right;
      EXPECT_EQ(unit_sum(sum_prev, byte), reference_unit_sum(ref_sum_prev, ref_byte)) << left << ' ' << right;
      EXPECT_EQ(sum_prev, ref_sum_prev);
      EXPECT_EQ(byte, ref_byte);
    }
  }
}

TEST(UnitArithmetic, DifferenceUndoesSumForEveryUnitAndByteBelowFF) {
  for (int p = 0; p < 256; ++p) {
    for (int v = 0; v < 255; ++v) {
      std::string prev = unit(p);
      std::string byte = unit(v);
      std::string next = unit_sum(prev, byte);
      ASSERT_EQ(unit_difference(next, prev), unit(v)) << unit(p) << " + " << unit(v);
    }
  }
}

TEST(UnitArithmetic, ByteFFRoundTripsOnlyAfterUnit00) {
  for (int p = 0; p < 256; ++p) {
    std::string prev = unit(p);
    std::string byte = "FF";
    std::string next = unit_sum(prev, byte);
    EXPECT_EQ(next, p == 0 ? "FF" : unit(p));
    EXPECT_EQ(unit_difference(next, prev), p == 0 ? "FF" : "00") << unit(p);
  }
}

// A chain ends where a unit repeats. Only the bytes 00 and FF can repeat a unit, and
// neither occurs in GBK text, so no stored value ends before its last byte.
TEST(UnitArithmetic, NoByteOfGbkTextRepeatsTheUnitBeforeIt) {
  for (int p = 0; p < 256; ++p) {
    for (int v = 1; v < 255; ++v) {
      std::string prev = unit(p);
      std::string byte = unit(v);
      ASSERT_NE(unit_sum(prev, byte), unit(p)) << unit(p) << " + " << unit(v);
    }
  }
}

TEST(BytesToHex, WritesTwoUpperCaseDigitsPerByte) {
  EXPECT_EQ(bytes_to_hex(""), "");
  EXPECT_EQ(bytes_to_hex("\x0A"), "0A");
  EXPECT_EQ(bytes_to_hex(std::string("\x00\xFF", 2)), "00FF");
  EXPECT_EQ(bytes_to_hex("\x1A\x67\x32\x01\xBF"), "1A673201BF");
}

struct HexBytes {
  std::string text;
  std::string bytes;
};

class HexToBytes : public testing::TestWithParam<HexBytes> {};

TEST_P(HexToBytes, ReadsLeadingPairs) { EXPECT_EQ(hex_to_bytes(GetParam().text), GetParam().bytes); }

INSTANTIATE_TEST_SUITE_P(Texts, HexToBytes, testing::Values(
    HexBytes{"", ""},
    HexBytes{"2870cde5000053e3", std::string("\x28\x70\xCD\xE5\x00\x00\x53\xE3", 8)},
    HexBytes{"4B0DA0", "\x4B\x0D\xA0"},
    HexBytes{"ABC", "\xAB"},
    HexBytes{"12G4", "\x12"},
    HexBytes{"A ", ""},
    HexBytes{"aF", "\xAF"},
    HexBytes{"0x12", ""},
    HexBytes{"12\xA3\xB1" "2", "\x12"},
    HexBytes{"ＦＦ", ""}));

TEST(OffsetHex, UpperCaseWithoutLeadingZeros) {
  const std::pair<std::int64_t, std::string> cases[] = {
      {0, "0"}, {0x30, "30"}, {0xD0, "D0"}, {0x76F0, "76F0"}, {0x3FFFC18, "3FFFC18"},
      {std::numeric_limits<std::int64_t>::max(), "7FFFFFFFFFFFFFFF"},
  };
  for (const auto& [offset, text] : cases) EXPECT_EQ(offset_hex(offset), text) << offset;
}

TEST(HexToBytes, InvertsBytesToHexForEveryByte) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(hex_to_bytes(bytes_to_hex(all)), all);
  EXPECT_EQ(hex_to_bytes(lower(bytes_to_hex(all))), all);
}

}  // namespace
