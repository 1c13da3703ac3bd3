#include <optional>

#include "numeric/convert_radix.h"
#include "numeric/hex_helpers.h"
#include "numeric/text_to_number.h"

namespace {

// Every unit of a configuration file is a short ASCII text, and a scan reads millions of
// them: such a text needs neither the half-width step nor a big number, and when it is not
// hexadecimal it reads as 0 after the same upper-casing convert_radix would give it.
constexpr std::size_t kPlainHexLimit = 8;

int ascii_hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::optional<std::int64_t> read_short_ascii(std::string& t) {
    if (t.size() > kPlainHexLimit) return std::nullopt;
    for (const char c : t) {
        if (static_cast<unsigned char>(c) >= 0x80) return std::nullopt;
    }
    std::uint32_t value = 0;
    bool hexadecimal = true;
    for (char& c : t) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        const int digit = ascii_hex_digit(c);
        hexadecimal = hexadecimal && digit >= 0;
        if (hexadecimal) value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return hexadecimal ? value : 0;
}

}  // namespace

std::int64_t hex_value(std::string& t) {
    if (const auto value = read_short_ascii(t)) return *value;
    return whole_number(convert_radix(t, 16, 10));
}
