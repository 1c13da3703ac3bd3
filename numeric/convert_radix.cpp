#include "numeric/convert_radix.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string_view>
#include <utility>

#include "numeric/big_number.h"
#include "numeric/half_width.h"

namespace {

constexpr std::string_view kDigits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr const char* kBadRadix = "参数错误-进制只能在2-36之间";

// Double-byte characters are stepped over whole: a trail byte may look like a letter.
void upper_case_ascii(std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (static_cast<unsigned char>(c) >= 0x80) {
            ++i;
        } else if (c >= 'a' && c <= 'z') {
            text[i] = static_cast<char>(c - 'a' + 'A');
        }
    }
}

// The radix as a whole money amount in simplified Chinese numerals, without 元整:
// the tens digit is written even when it is one ("一十六").
std::string radix_name(int radix) {
    static constexpr const char* kNumerals[] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
    if (radix < 10) return kNumerals[radix];
    std::string name = kNumerals[radix / 10];
    name += "十";
    name += kNumerals[radix % 10];
    return name;
}

std::string invalid_number_message(const std::string& text, int radix) {
    return "参数错误-" + text + "不是一个有效的" + radix_name(radix) + "进制数！";
}

// The largest power of the radix that fits one limb: digits travel in chunks of that many.
struct Chunk {
    std::uint32_t power;
    std::size_t digits;
};

Chunk chunk_of(int radix) {
    std::uint64_t power = static_cast<std::uint64_t>(radix);
    std::size_t digits = 1;
    while (power * radix <= std::numeric_limits<std::uint32_t>::max()) {
        power *= radix;
        ++digits;
    }
    return {static_cast<std::uint32_t>(power), digits};
}

BigNumber read_digits(std::string_view text, int radix) {
    const std::size_t chunk = chunk_of(radix).digits;
    BigNumber value;
    // The first chunk takes the odd digits so that every later chunk is full.
    std::size_t length = text.size() % chunk;
    if (length == 0) length = chunk;
    for (std::size_t start = 0; start < text.size(); start += length, length = chunk) {
        std::uint32_t factor = 1;
        std::uint32_t part = 0;
        for (std::size_t i = start; i < start + length; ++i) {
            factor *= static_cast<std::uint32_t>(radix);
            part = part * static_cast<std::uint32_t>(radix) + static_cast<std::uint32_t>(kDigits.find(text[i]));
        }
        value.multiply_add(factor, part);
    }
    return value;
}

std::string write_digits(BigNumber value, int radix) {
    const Chunk chunk = chunk_of(radix);
    std::string reversed;
    while (!value.is_zero()) {
        std::uint32_t part = value.divide(chunk.power);
        for (std::size_t i = 0; i < chunk.digits; ++i) {
            reversed += kDigits[part % static_cast<std::uint32_t>(radix)];
            part /= static_cast<std::uint32_t>(radix);
        }
    }
    while (reversed.size() > 1 && reversed.back() == '0') reversed.pop_back();
    if (reversed.empty()) return "0";
    return {reversed.rbegin(), reversed.rend()};
}

}  // namespace

std::string convert_radix(std::string& number_text, int from_radix, int to_radix) {
    if (from_radix < 2 || to_radix < 2 || from_radix > 36 || to_radix > 36) return kBadRadix;

    std::string normalised = to_half_width(number_text);
    upper_case_ascii(normalised);
    number_text = std::move(normalised);

    const std::string_view valid = kDigits.substr(0, static_cast<std::size_t>(from_radix));
    if (number_text.find_first_not_of(valid) != std::string::npos) {
        return invalid_number_message(number_text, from_radix);
    }
    if (from_radix == to_radix) return number_text;
    return write_digits(read_digits(number_text, from_radix), to_radix);
}
