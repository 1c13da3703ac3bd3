#include "numeric/text_to_number.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "numeric/half_width.h"

namespace {

bool is_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

std::size_t skip_digits(const std::string& s, std::size_t i) {
    while (i < s.size() && is_digit(s[i])) ++i;
    return i;
}

// The decimal exponent of the leading significant digit, roughly: enough to tell an
// overflow from an underflow when the value does not fit a double.
long magnitude(const std::string& s, std::size_t begin, std::size_t point, std::size_t end, long exponent) {
    std::size_t first = begin;
    while (first < end && (s[first] == '0' || s[first] == '.')) ++first;
    const long position = first < point ? static_cast<long>(point - first) : -static_cast<long>(first - point);
    return exponent + position;
}

}  // namespace

// Scanned by hand rather than with strtod: strtod also takes "0x1A", "inf" and "nan",
// and reads the decimal point of the current locale.
double text_to_number(const std::string& text) {
    const std::string s = to_half_width(text);
    std::size_t i = 0;
    while (i < s.size() && is_space(s[i])) ++i;
    const bool negative = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;

    const std::size_t begin = i;
    i = skip_digits(s, i);
    const std::size_t point = i;
    std::size_t mantissa_digits = point - begin;
    if (i < s.size() && s[i] == '.') {
        const std::size_t after = skip_digits(s, i + 1);
        mantissa_digits += after - (i + 1);
        i = after;
    }
    if (mantissa_digits == 0) return 0.0;
    const std::size_t mantissa_end = i;

    long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        const bool exponent_negative = j < s.size() && s[j] == '-';
        if (j < s.size() && (s[j] == '-' || s[j] == '+')) ++j;
        if (j < s.size() && is_digit(s[j])) {
            for (; j < s.size() && is_digit(s[j]); ++j) {
                if (exponent < 100000) exponent = exponent * 10 + (s[j] - '0');
            }
            if (exponent_negative) exponent = -exponent;
            i = j;
        }
    }

    double value = 0.0;
    const std::from_chars_result read =
        std::from_chars(s.data() + begin, s.data() + i, value, std::chars_format::general);
    if (read.ec == std::errc::result_out_of_range) {
        const bool overflow = magnitude(s, begin, point, mantissa_end, exponent) > 0;
        value = overflow ? HUGE_VAL : 0.0;
    }
    return negative ? -value : value;
}

std::int64_t whole_number(const std::string& text) {
    const double value = std::trunc(text_to_number(text));
    if (value >= 9223372036854775808.0) return std::numeric_limits<std::int64_t>::max();
    if (value <= -9223372036854775808.0) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(value);
}
