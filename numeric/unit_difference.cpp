#include "numeric/hex_helpers.h"
#include "numeric/unit_text.h"

std::string unit_difference(std::string& next, std::string& prev) {
    const std::int64_t a = hex_value(next);
    const std::int64_t b = hex_value(prev);
    std::int64_t d = a - b;
    // Two-digit units need one step of 255; longer texts, which files never hold, are
    // reduced all the way so that the result still has a radix-16 form.
    if (d < 0) d = (d % 255 + 255) % 255;
    return unit_text(static_cast<std::uint64_t>(d));
}
