#include <gtest/gtest.h>

#include <random>
#include <string>

#include "config/byte_file.h"
#include "config/scan_record.h"
#include "tests/support/temp_file.h"

namespace {

struct OpenBytes {
    TempDir dir;
    ByteFile file;
    explicit OpenBytes(const std::string& bytes) { EXPECT_TRUE(file.open_existing(dir.write("f.dll", bytes))); }
};

struct UnitCase {
    std::string bytes;
    std::int64_t start;
    std::string unit;
    std::int64_t position_after;
};

TEST(ReadUnit, StopsBeforeZeroAndSubstituteBytesAndAtTheEnd) {
    const UnitCase cases[] = {
        {"4182", 0, "41", 2},
        {"4182", 1, "18", 3},
        {"4182", 3, "2", 4},
        {"4182", 4, "", 4},
        {"4182", 9, "", 9},
        {std::string("4\0", 2) + "1", 0, "4", 1},
        {std::string("\0" "41", 3), 0, "", 0},
        {"\x1A" "41", 0, "", 0},
        {"4\x1A" "1", 0, "4", 1},
        {"", 0, "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes) + " at " + std::to_string(c.start));
        OpenBytes f(c.bytes);
        f.file.seek(c.start);
        EXPECT_EQ(read_unit(f.file), c.unit);
        EXPECT_EQ(f.file.position(), c.position_after);
    }
}

struct ScanCase {
    const char* name;
    std::string bytes;
    std::int64_t start;
    std::string decoded_hex;
    std::int64_t end_position;
};

TEST(ScanRecord, DecodesChainsAndEndsOnEveryKindOfData) {
    const ScanCase cases[] = {
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
        {"end of file after a whole unit", "4182", 0, "4100", 2},
        {"end of file inside a unit", "41828", 0, "4100", 3},
        {"empty file", "", 0, "00", 0},
        {"start past the end", "4182", 10, "00", 8},
        {"only the first equal pair ends it", "30303030", 0, "00", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OpenBytes f(c.bytes);
        f.file.seek(c.start);
        EXPECT_EQ(scan_record(f.file), c.decoded_hex);
        EXPECT_EQ(f.file.position(), c.end_position);
    }
}

// Malformed data must end every scan: each pass that goes on moves forward by one unit.
TEST(ScanRecord, EndsFromEveryOffsetOfRandomBytes) {
    const std::string alphabet = std::string("0123456789ABCDEFabcdef\0\x1A\xA3\xFF", 26);
    std::mt19937 random(20110426);
    for (int round = 0; round < 20; ++round) {
        std::string bytes(300, ' ');
        for (auto& b : bytes) b = alphabet[random() % alphabet.size()];
        OpenBytes f(bytes);
        for (std::int64_t start = 0; start <= 300; ++start) {
            f.file.seek(start);
            const std::string hex = scan_record(f.file);
            ASSERT_LE(hex.size(), static_cast<std::size_t>(300 - start + 2)) << "round " << round << " start " << start;
            ASSERT_TRUE(hex.ends_with("00"));
            ASSERT_GE(f.file.position(), 0);
            ASSERT_LE(f.file.position(), 300);
        }
    }
}

TEST(ValueText, TakesTheBytesUpToTheFirstZero) {
    const std::pair<std::string, std::string> cases[] = {
        {"414200", "AB"},
        {"41004200", "A"},
        {"00", ""},
        {"", ""},
        {"D6D0CEC400", "\xD6\xD0\xCE\xC4"},
        {"FF00", "\xFF"},
        {"4142", "AB"},
    };
    for (const auto& [hex, text] : cases) EXPECT_EQ(value_text(hex), text) << hex;
}

}  // namespace
