// The numeric helpers on any text: radix conversion against its own round trip and plain
// 64-bit arithmetic, the text-to-number rule against strtod, hex_value against a reading
// of the digits written here, the unit arithmetic as an inverse pair, the byte and
// hexadecimal conversions, the texts compared and checked as GBK, and the unit chain's
// primitives over bytes in memory against the model.
//
// Input: a mode byte, then what the mode reads (see each check).
#include <iconv.h>

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "format/gbk_text.h"
#include "format/unit_chain.h"
#include "fuzz/format_model.h"
#include "fuzz/fuzz_input.h"
#include "numeric/ascii_case.h"
#include "numeric/convert_radix.h"
#include "numeric/half_width.h"
#include "numeric/hex_helpers.h"
#include "numeric/text_to_number.h"

namespace {

constexpr std::string_view kAlphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

std::string radix_name(int radix) {
    static const char* const kNumerals[] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
    if (radix < 10) return kNumerals[radix];
    return std::string(kNumerals[radix / 10]) + "十" + kNumerals[radix % 10];
}

bool digits_of(std::string_view text, int radix) {
    return text.find_first_not_of(kAlphabet.substr(0, static_cast<std::size_t>(radix))) == std::string_view::npos;
}

std::string without_leading_zeros(const std::string& digits) {
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

// The value of digits when it fits 64 bits.
bool digits_value(std::string_view digits, int radix, std::uint64_t& value) {
    unsigned __int128 v = 0;
    for (const char c : digits) {
        v = v * static_cast<unsigned>(radix) + kAlphabet.find(c);
        if (v > std::numeric_limits<std::uint64_t>::max()) return false;
    }
    value = static_cast<std::uint64_t>(v);
    return true;
}

std::string written_in(std::uint64_t value, int radix) {
    std::string out;
    do {
        out.insert(out.begin(), kAlphabet[value % static_cast<unsigned>(radix)]);
        value /= static_cast<unsigned>(radix);
    } while (value != 0);
    return out;
}

// Mode 0: two radix bytes (each -1..38), then any text.
void check_any_conversion(FuzzInput& in) {
    const int from = in.byte() % 40 - 1;
    const int to = in.byte() % 40 - 1;
    const std::string original = in.rest();
    std::string text = original;
    const std::string result = convert_radix(text, from, to);
    if (from < 2 || from > 36 || to < 2 || to > 36) {
        FUZZ_CHECK(result == "参数错误-进制只能在2-36之间");
        FUZZ_CHECK(text == original);
        return;
    }
    const std::string normalised = normalised_text(original);
    FUZZ_CHECK(text == normalised);
    if (!digits_of(normalised, from)) {
        FUZZ_CHECK(result == "参数错误-" + normalised + "不是一个有效的" + radix_name(from) + "进制数！");
        return;
    }
    if (from == to) {
        FUZZ_CHECK(result == normalised);
        return;
    }
    FUZZ_CHECK(digits_of(result, to) && result == without_leading_zeros(result));
    std::uint64_t value = 0;
    if (digits_value(normalised, from, value)) FUZZ_CHECK(result == written_in(value, to));
    std::string back_text = result;
    FUZZ_CHECK(convert_radix(back_text, to, from) == without_leading_zeros(normalised));
}

// Mode 1: two radix bytes (each 2..36), then bytes read as digits of the first radix, in
// either case, some full-width: every valid number makes the round trip.
void check_round_trip(FuzzInput& in) {
    const int from = in.byte() % 35 + 2;
    const int to = in.byte() % 35 + 2;
    std::string text;
    std::string digits;
    for (const char c : in.rest()) {
        const auto b = static_cast<unsigned char>(c);
        const char digit = kAlphabet[b % from];
        digits += digit;
        if (b & 0x80) {
            text += "\xA3";
            text += static_cast<char>(digit + 0x80);
        } else {
            text += b & 0x40 && digit >= 'A' ? static_cast<char>(digit - 'A' + 'a') : digit;
        }
    }
    const std::string result = convert_radix(text, from, to);
    FUZZ_CHECK(text == digits);
    if (from == to) {
        FUZZ_CHECK(result == digits);
        return;
    }
    std::uint64_t value = 0;
    if (digits_value(digits, from, value)) FUZZ_CHECK(result == written_in(value, to));
    std::string back_text = result;
    FUZZ_CHECK(convert_radix(back_text, to, from) == without_leading_zeros(digits));
}

// Mode 2: any text as hex_value's argument: the writers read typed offsets with it.
void check_hex_value(FuzzInput& in) {
    const std::string original = in.rest();
    std::string text = original;
    const std::int64_t value = hex_value(text);
    const std::string normalised = normalised_text(original);
    FUZZ_CHECK(text == normalised);
    FUZZ_CHECK(value >= 0);
    const std::int64_t offset = offset_named(original);
    std::uint64_t exact = 0;
    if (!all_hex_digits(normalised)) {
        FUZZ_CHECK(value == 0);
    } else if (digits_value(normalised, 16, exact) && exact <= (std::uint64_t{1} << 53)) {
        FUZZ_CHECK(value == static_cast<std::int64_t>(exact));
        if (offset >= 0) FUZZ_CHECK(offset == value);
    } else {
        FUZZ_CHECK(value >= (std::int64_t{1} << 52));
    }
}

// Mode 3: a unit of two hexadecimal digits (two bytes, each picking a digit and its case)
// and a byte; then two texts for the unit operations on anything.
void check_unit_arithmetic(FuzzInput& in) {
    static constexpr std::string_view kHexDigits = "0123456789ABCDEFabcdef";
    std::string prev;
    prev += kHexDigits[in.byte() % kHexDigits.size()];
    prev += kHexDigits[in.byte() % kHexDigits.size()];
    const int v = in.byte();
    const int p = unit_number(prev);
    std::string byte = upper_hex(static_cast<std::uint64_t>(v), 2);
    std::string unit = prev;
    std::string sum = unit_sum(unit, byte);
    FUZZ_CHECK(unit == normalised_text(prev));
    FUZZ_CHECK(sum == upper_hex(static_cast<std::uint64_t>(p + v > 255 ? p + v - 255 : p + v), 2));
    const std::string difference = unit_difference(sum, unit);
    if (v < 255) {
        FUZZ_CHECK(difference == upper_hex(static_cast<std::uint64_t>(v), 2));
    } else {
        FUZZ_CHECK(difference == (p == 0 ? "FF" : "00"));
    }

    std::string a = in.text();
    std::string b = in.rest();
    for (const std::string& r : {unit_difference(a, b), unit_sum(a, b)}) {
        FUZZ_CHECK(r.size() >= 2 && all_hex_digits(r));
    }
}

// Mode 4: any bytes, and any text read as hexadecimal pairs.
void check_bytes_and_hex(FuzzInput& in) {
    const std::string bytes = in.text();
    const std::string text = in.rest();
    const std::string hex = bytes_to_hex(bytes);
    FUZZ_CHECK(hex.size() == 2 * bytes.size() && all_hex_digits(hex));
    FUZZ_CHECK(hex_to_bytes(hex) == bytes);
    std::string lower = hex;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    FUZZ_CHECK(hex_to_bytes(lower) == bytes);

    std::string pairs;
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        if (!std::isxdigit(static_cast<unsigned char>(text[i])) || !std::isxdigit(static_cast<unsigned char>(text[i + 1]))) break;
        pairs += static_cast<char>(std::stoi(text.substr(i, 2), nullptr, 16));
    }
    FUZZ_CHECK(hex_to_bytes(text) == pairs);
}

// Mode 5: any text read as a number. ASCII texts that strtod would read as hexadecimal,
// infinity or NaN are left to the half-width check alone.
void check_text_to_number(FuzzInput& in) {
    const std::string text = in.rest();
    FUZZ_CHECK(to_half_width(text) == half_width_text(text));
    const double number = text_to_number(text);
    const std::int64_t whole = whole_number(text);
    FUZZ_CHECK(!std::isnan(number));
    if (text.find_first_of(std::string_view("xXiInNpP\0", 9)) != std::string::npos) return;
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) return;
    }
    const double expected = std::strtod(text.c_str(), nullptr);
    if (expected == 0 || std::fabs(expected) >= std::numeric_limits<double>::min()) FUZZ_CHECK(number == expected);
    const double cut = std::trunc(expected);
    const std::int64_t expected_whole = cut >= 9223372036854775808.0    ? std::numeric_limits<std::int64_t>::max()
                                        : cut <= -9223372036854775808.0 ? std::numeric_limits<std::int64_t>::min()
                                                                        : static_cast<std::int64_t>(cut);
    FUZZ_CHECK(whole == expected_whole);
}

// Whether the C library's converter takes the bytes as GBK: an implementation of its own.
bool iconv_takes_as_gbk(const std::string& bytes) {
    static const iconv_t converter = iconv_open("UTF-8", "GBK");
    if (converter == reinterpret_cast<iconv_t>(-1)) return false;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    std::string in = bytes;
    std::string out(bytes.size() * 4 + 4, '\0');
    char* from = in.data();
    char* to = out.data();
    std::size_t from_left = in.size();
    std::size_t to_left = out.size();
    return iconv(converter, &from, &from_left, &to, &to_left) != static_cast<std::size_t>(-1) && from_left == 0;
}

// Mode 6: eight bytes of an offset, then two texts: offsets as the list spells them, texts
// compared ASCII case aside, texts checked as GBK.
void check_texts(FuzzInput& in) {
    std::uint64_t offset = 0;
    for (int i = 0; i < 8; ++i) offset = offset << 8 | in.byte();
    FUZZ_CHECK(offset_hex(static_cast<std::int64_t>(offset)) == upper_hex(offset));

    const std::string a = in.text();
    const std::string b = in.rest();
    FUZZ_CHECK(same_ignoring_ascii_case(a, b) == (a.size() == b.size() && ascii_upper(a) == ascii_upper(b)));
    FUZZ_CHECK(same_ignoring_ascii_case(a, ascii_upper(a)));
    // What another converter reads as GBK is GBK to the core too (the C library, like code
    // page 936, reads a lone 80 as the euro sign), and nothing with a lone lead byte at its
    // end is.
    for (const std::string& t : {a, b}) {
        if (iconv_takes_as_gbk(t)) FUZZ_CHECK(is_valid_gbk(t));
    }
    if (is_valid_gbk(a)) FUZZ_CHECK(!is_valid_gbk(a + "\x81"));
}

// Mode 7: an offset byte, a seed unit and a value, then an image: read_unit, decode_chain,
// encode_chain, encodes_exactly and unit_difference against the model.
void check_unit_chain(FuzzInput& in) {
    const std::int64_t offset = in.byte();
    std::string seed;
    seed += static_cast<char>(in.byte());
    seed += static_cast<char>(in.byte());
    const std::string value = in.text();
    const std::string image = in.rest();

    MemoryFile f{image};
    f.seek(offset);
    FUZZ_CHECK(read_unit(image, offset) == f.unit());
    f.seek(offset);
    const std::string model_bytes = chain_at(f);
    const DecodedChain chain = decode_chain(image, offset);
    FUZZ_CHECK(chain.bytes == model_bytes);
    FUZZ_CHECK(chain.end == f.position);
    FUZZ_CHECK(value_of(chain) == up_to_zero(model_bytes));
    if (image.size() >= 4) {
        const std::string_view prev(image.data(), 2);
        const std::string_view next(image.data() + 2, 2);
        FUZZ_CHECK(unit_difference(next, prev) == unit_byte(next, prev));
    }

    FUZZ_CHECK(encode_chain(seed, value) == chain_units(seed, value));
    FUZZ_CHECK(encodes_exactly(seed, value) == writable(seed, value));
    // A zero byte ends the text, so a value holding one never reads back.
    if (value.find('\0') != std::string::npos) FUZZ_CHECK(!encodes_exactly(seed, value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    switch (in.byte() % 8) {
    case 0: check_any_conversion(in); break;
    case 1: check_round_trip(in); break;
    case 2: check_hex_value(in); break;
    case 3: check_unit_arithmetic(in); break;
    case 4: check_bytes_and_hex(in); break;
    case 5: check_text_to_number(in); break;
    case 6: check_texts(in); break;
    default: check_unit_chain(in); break;
    }
    return 0;
}
