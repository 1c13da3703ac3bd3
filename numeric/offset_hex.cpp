#include <cinttypes>
#include <cstdio>

#include "numeric/hex_helpers.h"

std::string offset_hex(std::int64_t offset) {
    char text[24];
    std::snprintf(text, sizeof text, "%" PRIX64, static_cast<std::uint64_t>(offset));
    return text;
}
