#include "numeric/unit_text.h"

#include "numeric/convert_radix.h"

std::string unit_text(std::uint64_t value) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    if (value <= 0xFF) return {kHex[value >> 4], kHex[value & 0xF]};
    std::string decimal = std::to_string(value);
    return convert_radix(decimal, 10, 16);
}
