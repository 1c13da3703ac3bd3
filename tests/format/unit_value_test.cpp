#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "format/unit_chain.h"
#include "numeric/hex_helpers.h"

namespace {

// The byte numeric's text arithmetic gives for two units.
int text_rule(const std::string& next, const std::string& prev) {
    std::string n = next, p = prev;
    std::string byte = unit_difference(n, p);
    return static_cast<int>(hex_value(byte));
}

int table_rule(std::string_view next, std::string_view prev) { return unit_difference(next, prev); }

// The decoder reads two-byte units from a table built once; numeric's text arithmetic is
// the rule it must keep, for every pair of bytes a file can hold: case, full width and
// text that is not hexadecimal included.
TEST(UnitDifference, TableAgreesWithTheTextRuleForEveryTwoByteUnit) {
    const std::string partners[] = {"00", "30", "7F", "FE", "FF", "ZZ", "a0", "\xA3\xC6", "4"};
    for (int i = 0; i < 65536; ++i) {
        const std::string unit{static_cast<char>(i >> 8), static_cast<char>(i & 0xFF)};
        for (const std::string& partner : partners) {
            ASSERT_EQ(table_rule(unit, partner), text_rule(unit, partner)) << bytes_to_hex(unit) << " after " << partner;
            ASSERT_EQ(table_rule(partner, unit), text_rule(partner, unit)) << partner << " after " << bytes_to_hex(unit);
        }
    }
}

}  // namespace
