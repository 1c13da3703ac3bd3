#include "edit/typed_offset.h"

#include "numeric/hex_helpers.h"

namespace {
// More significant digits than this cannot be an offset of any file, and would saturate.
constexpr std::size_t kMaxDigits = 15;
}  // namespace

std::int64_t typed_offset(const std::string& text) {
    std::string normalised = text;
    const std::int64_t value = hex_value(normalised);
    if (normalised.empty() || normalised.find_first_not_of("0123456789ABCDEF") != std::string::npos) return -1;
    const std::size_t first = normalised.find_first_not_of('0');
    if (first != std::string::npos && normalised.size() - first > kMaxDigits) return -1;
    return value;
}
