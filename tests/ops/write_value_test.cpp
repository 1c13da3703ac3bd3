#include "ops/write_value.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <limits>
#include <string>

#include "ops/list_records.h"
#include "ops/read_record.h"
#include "ops_file.h"

namespace {

constexpr WriteOptions kNoBackup{.backup = false};

struct WriteCase {
    const char* name;
    std::int64_t offset;
    std::string value;
    WriteOutcome outcome;
    int seed;  // the seed unit at offset, for the expected units of a done write
};

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

const WriteCase kCases[] = {
    {"shorter than the value before", 0x30, "AB", WriteOutcome::done, 0x41},
    {"wraps by 255", 0xD0, "N", WriteOutcome::done, 0xF0},
    {"GBK text", 0x30, "中文", WriteOutcome::done, 0x41},
    {"empty value", 0xD0, "", WriteOutcome::done, 0xF0},
    {"fills a slot", 0x30, std::string(77, 'q'), WriteOutcome::done, 0x41},
    {"from inside a slot up to the next seed", 0x150, "thirteen byte", WriteOutcome::done, 0x00},
    {"FF right after the unit 00", 0x150, "\xFF", WriteOutcome::done, 0x00},
    {"up to the end of the file", 0x2B0, "seven b", WriteOutcome::done, 0x00},
    {"in the header", 0x2F, "AB", WriteOutcome::bad_offset, 0},
    {"at 0", 0, "AB", WriteOutcome::bad_offset, 0},
    {"at the end", 0x2C4, "AB", WriteOutcome::bad_offset, 0},
    {"far past the end", kMax, "AB", WriteOutcome::bad_offset, 0},
    {"seed cut by the end", 0x2C3, "", WriteOutcome::bad_offset, 0},
    {"FF", 0x30, "A\xFF", WriteOutcome::unwritable_text, 0},
    {"FF alone", 0xD0, "\xFF", WriteOutcome::unwritable_text, 0},
    {"a zero byte", 0x30, std::string(1, '\0'), WriteOutcome::unwritable_text, 0},
    {"a zero byte inside", 0x30, std::string("A\0B", 3), WriteOutcome::unwritable_text, 0},
    {"one byte too many for a slot", 0x30, std::string(78, 'q'), WriteOutcome::too_long, 0},
    {"would reach the next seed", 0x150, "fourteen bytes", WriteOutcome::too_long, 0},
    {"would run past the end", 0x2B0, "eight b.", WriteOutcome::too_long, 0},
};

class WriteValue : public testing::TestWithParam<WriteCase> {};

TEST_P(WriteValue, WritesTheChainInPlaceOrNothing) {
    const WriteCase& c = GetParam();
    OpsFile f(four_and_a_bit());
    ASSERT_EQ(f.opened, OpenOutcome::config);
    const std::string before = f.on_disk();
    FileChange change{-1, -1, "untouched", "untouched"};

    EXPECT_EQ(write_value(f.file, c.offset, c.value, kNoBackup, &change), c.outcome);

    if (c.outcome != WriteOutcome::done) {
        EXPECT_EQ(f.on_disk(), before);
        EXPECT_EQ(change.before, "untouched");
        return;
    }
    // The units after the seed, as an encoder written apart from the program's makes them.
    const std::string units = chain_of(c.seed, c.value).substr(2);
    const auto at = static_cast<std::size_t>(c.offset + 2);
    std::string expected = before;
    expected.replace(at, units.size(), units);
    EXPECT_EQ(f.on_disk(), expected);
    EXPECT_EQ(change.record, c.offset);
    EXPECT_EQ(change.offset, c.offset + 2);
    EXPECT_EQ(change.before, before.substr(at, units.size()));
    EXPECT_EQ(change.after, units);
    std::string read_back;
    ASSERT_EQ(read_record(f.file, c.offset, read_back), ReadOutcome::read);
    EXPECT_EQ(read_back, c.value);
}

INSTANTIATE_TEST_SUITE_P(Cases, WriteValue, testing::ValuesIn(kCases), [](const auto& info) {
    std::string name;
    for (const char c : std::string(info.param.name)) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
});

// The seed is the unit on disk when the write happens, not the one seen at the listing:
// another program changed it meanwhile, and the slot must still decode to the typed value.
TEST(WriteValueSeed, IsReadFromTheDiskAtTheMomentOfWriting) {
    const std::pair<std::string, int> seeds[] = {{"30", 0x30}, {"FF", 0xFF}, {"0a", 0x0A}};
    for (const auto& [seed_text, seed] : seeds) {
        SCOPED_TRACE(seed_text);
        OpsFile f(four_and_a_bit());
        ASSERT_EQ(list_config_records(f.file, [](int, const Record&) {}), ListOutcome::listed);
        change_on_disk(f.path, 0xD0, seed_text);

        ASSERT_EQ(write_value(f.file, 0xD0, "N", kNoBackup), WriteOutcome::done);
        std::string value;
        ASSERT_EQ(read_record(f.file, 0xD0, value), ReadOutcome::read);
        EXPECT_EQ(value, "N");
        EXPECT_EQ(f.on_disk().substr(0xD0, 8), seed_text + chain_of(seed, "N").substr(2));
    }
}

}  // namespace
