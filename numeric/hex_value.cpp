#include <optional>

#include "numeric/convert_radix.h"
#include "numeric/hex_helpers.h"
#include "numeric/text_to_number.h"

namespace {

// Every unit of a configuration file is a short text of ASCII hex digits, and the export
// reads millions of them: such a text needs neither the half-width step nor a big number.
constexpr std::size_t kPlainHexLimit = 8;

int ascii_hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::optional<std::int64_t> read_plain_hex(std::string& t) {
  if (t.size() > kPlainHexLimit) return std::nullopt;
  std::uint32_t value = 0;
  for (const char c : t) {
    const int digit = ascii_hex_digit(c);
    if (digit < 0) return std::nullopt;
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  for (char& c : t) {
    if (c >= 'a') c = static_cast<char>(c - 'a' + 'A');
  }
  return value;
}

}  // namespace

std::int64_t hex_value(std::string& t) {
  if (const auto value = read_plain_hex(t)) return *value;
  return whole_number(convert_radix(t, 16, 10));
}
