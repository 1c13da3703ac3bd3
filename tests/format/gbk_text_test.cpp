#include "format/gbk_text.h"

#include <gtest/gtest.h>

#include <string>

#include "numeric/hex_helpers.h"

namespace {

TEST(IsValidGbk, LeadThenTrailByte) {
    const struct {
        std::string bytes;
        bool valid;
    } cases[] = {
        {"", true},
        {"COM1:", true},
        {std::string(1, '\0'), true},
        {"中文", true},
        {"\x81\x40", true},   // the first character
        {"\xFE\xFE", true},   // the last lead and trail bytes
        {"\x81\x7E\x81\x80", true},
        {"\x81\x7F", false},  // 7F is no trail byte
        {"\x81\x3F", false},  // below 40
        {"\x81\xFF", false},
        {"\x80\x40", true},   // 80 is code page 936's euro sign, alone
        {"\xFF\x40", false},  // FF leads nothing
        {"\x81", false},      // a lead byte cut off by the end
        {"ab\xD6", false},
        {"\xD6\xD0\xCE", false},
    };
    for (const auto& c : cases) EXPECT_EQ(is_valid_gbk(c.bytes), c.valid) << bytes_to_hex(c.bytes);
}

}  // namespace
