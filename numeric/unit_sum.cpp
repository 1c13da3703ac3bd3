#include "numeric/hex_helpers.h"
#include "numeric/unit_text.h"

std::string unit_sum(std::string& prev, std::string& byte) {
    const auto a = static_cast<std::uint64_t>(hex_value(prev));
    const auto b = static_cast<std::uint64_t>(hex_value(byte));
    std::uint64_t s = a + b;
    // Modulo 255, yet a sum of exactly 255 stays FF.
    if (s > 255) s -= 255;
    return unit_text(s);
}
