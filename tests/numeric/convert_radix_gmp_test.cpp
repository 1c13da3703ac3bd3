#include <gmp.h>
#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <string>

#include "numeric/convert_radix.h"

namespace {

constexpr char kDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

std::string gmp_convert(const std::string& text, int from, int to) {
  mpz_t value;
  mpz_init(value);
  EXPECT_EQ(mpz_set_str(value, text.c_str(), from), 0) << text;
  std::string digits(mpz_sizeinbase(value, to) + 2, '\0');
  mpz_get_str(digits.data(), -to, value);  // a negative base asks for upper case
  mpz_clear(value);
  digits.resize(digits.find('\0'));
  return digits;
}

TEST(ConvertRadixAgainstGmp, RandomNumbersInRandomRadixPairs) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> radix(2, 36);
  std::uniform_int_distribution<int> length(1, 3000);
  std::uniform_int_distribution<int> coin(0, 3);
  for (int round = 0; round < 400; ++round) {
    const int from = radix(random);
    const int to = radix(random);
    std::uniform_int_distribution<int> digit(0, from - 1);
    // Short numbers are drawn often: the limb boundaries at 2^32 and 2^64 live there.
    const int digits = coin(random) == 0 ? length(random) % 40 + 1 : length(random);
    std::string text;
    const int leading_zeros = coin(random) == 0 ? coin(random) + 1 : 0;
    text.append(static_cast<std::size_t>(leading_zeros), '0');
    for (int i = 0; i < digits; ++i) text += kDigits[digit(random)];
    std::string upper = text;
    if (coin(random) == 0) {
      for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    const std::string expected = from == to ? upper : gmp_convert(upper, from, to);
    std::string argument = text;
    ASSERT_EQ(convert_radix(argument, from, to), expected) << "round " << round << ": " << from << " -> " << to;
    ASSERT_EQ(argument, upper);
  }
}

TEST(ConvertRadixAgainstGmp, AllOnesAndPowersAroundLimbBoundaries) {
  for (int from = 2; from <= 36; ++from) {
    for (int to = 2; to <= 36; ++to) {
      if (from == to) continue;
      for (const int count : {31, 32, 33, 63, 64, 65, 96, 97, 128, 129}) {
        for (const char first : {'1', kDigits[from - 1]}) {
          std::string text(1, first);
          text.append(static_cast<std::size_t>(count / 4), first == '1' ? '0' : kDigits[from - 1]);
          std::string argument = text;
          ASSERT_EQ(convert_radix(argument, from, to), gmp_convert(text, from, to)) << text << ' ' << from << ' ' << to;
        }
      }
    }
  }
}

}  // namespace
