#include "format/unit_chain.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "numeric/hex_helpers.h"

namespace {

struct UnitCase {
    std::string bytes;
    std::int64_t offset;
    std::string unit;
};

TEST(ReadUnit, StopsBeforeZeroAndSubstituteBytesAndAtTheEnd) {
    const UnitCase cases[] = {
        {"4182", 0, "41"},
        {"4182", 1, "18"},
        {"4182", 3, "2"},
        {"4182", 4, ""},
        {"4182", 9, ""},
        {"4182", -1, ""},
        {std::string("4\0", 2) + "1", 0, "4"},
        {std::string("\0" "41", 3), 0, ""},
        {"\x1A" "41", 0, ""},
        {"4\x1A" "1", 0, "4"},
        {"", 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes) + " at " + std::to_string(c.offset));
        EXPECT_EQ(read_unit(c.bytes, c.offset), c.unit);
    }
}

struct ChainCase {
    const char* name;
    std::string bytes;
    std::int64_t offset;
    std::string decoded_hex;
    std::int64_t end;
};

TEST(DecodeChain, DecodesChainsAndEndsOnEveryKindOfData) {
    const ChainCase cases[] = {
        {"differences of neighbouring units", "4182C4C4C4", 0, "414200", 6},
        {"a wrap adds 255", "F03F3F", 0, "4E00", 4},
        {"FF after the unit 00", "00FFFF", 0, "FF00", 4},
        {"lower case ends on its upper-case twin", "4a4A", 0, "00", 2},
        {"lower case decodes", "4a8b8B8B", 0, "4100", 4},
        {"not hexadecimal counts as 0", "41ZZZZ", 0, "BE00", 4},
        {"starts on a zero byte", std::string("4182\0C4C4", 9), 4, "00", 2},
        {"zero byte after a whole unit", std::string("4182\0C4C4", 9), 0, "4100", 2},
        {"byte 1A after a whole unit", "4182\x1A" "C4C4", 0, "4100", 2},
        {"odd unit before a zero byte", std::string("41828\0" "C4", 8), 0, "4100", 3},
        {"end of the image after a whole unit", "4182", 0, "4100", 2},
        {"end of the image inside a unit", "41828", 0, "4100", 3},
        {"empty image", "", 0, "00", 0},
        {"start past the end", "4182", 10, "00", 8},
        {"only the first equal pair ends it", "30303030", 0, "00", 2},
        {"from inside a chain", "4182C4C4C4", 2, "4200", 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const DecodedChain chain = decode_chain(c.bytes, c.offset);
        EXPECT_EQ(bytes_to_hex(chain.bytes), c.decoded_hex);
        EXPECT_EQ(chain.end, c.end);
    }
}

// Malformed data must end every decode: each pass that goes on moves forward by one unit.
TEST(DecodeChain, EndsFromEveryOffsetOfRandomBytes) {
    const std::string alphabet = std::string("0123456789ABCDEFabcdef\0\x1A\xA3\xFF", 26);
    std::mt19937 random(20110426);
    for (int round = 0; round < 20; ++round) {
        std::string bytes(300, ' ');
        for (auto& b : bytes) b = alphabet[random() % alphabet.size()];
        for (std::int64_t start = 0; start <= 300; ++start) {
            const DecodedChain chain = decode_chain(bytes, start);
            ASSERT_LE(chain.bytes.size(), static_cast<std::size_t>((300 - start) / 2 + 1)) << round << " " << start;
            ASSERT_TRUE(chain.bytes.ends_with('\0'));
            ASSERT_GE(chain.end, 0);
            ASSERT_LE(chain.end, 300);
        }
    }
}

TEST(ValueOf, TakesTheBytesUpToTheFirstZero) {
    const std::pair<std::string, std::string> cases[] = {
        {"414200", "AB"},
        {"41004200", "A"},
        {"00", ""},
        {"", ""},
        {"D6D0CEC400", "\xD6\xD0\xCE\xC4"},
        {"FF00", "\xFF"},
        {"4142", "AB"},
    };
    for (const auto& [hex, text] : cases) EXPECT_EQ(value_of(DecodedChain{hex_to_bytes(hex), 0}), text) << hex;
}

TEST(Header, SignatureAndEditionByte) {
    const struct {
        std::string image;
        bool config;
        Edition edition;
        std::string section;
    } cases[] = {
        {"\x1A\x67\x32\x01\xBF", true, Edition::pnd, "C-PND"},
        {"\x1A\x67\x32\x01\xB4" "rest", true, Edition::car, "C-Car"},
        {"\x1A\x67\x32\x01\xBE", true, Edition::unknown, ""},
        {"\x1A\x67\x32\x01", true, Edition::unknown, ""},
        {"\x1A\x67\x32\x02\xBF", false, Edition::pnd, "C-PND"},
        {"\x1A\x67\x32", false, Edition::unknown, ""},
        {"", false, Edition::unknown, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(bytes_to_hex(c.image));
        EXPECT_EQ(has_config_signature(c.image), c.config);
        EXPECT_EQ(edition_of(c.image), c.edition);
        EXPECT_EQ(comment_section(edition_of(c.image)), c.section);
    }
}

}  // namespace
