#include "ops/read_record.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "ops/list_records.h"
#include "ops_file.h"

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

TEST(TypedOffset, ReadsHexadecimalInAnySpelling) {
    const std::pair<std::string, std::int64_t> cases[] = {
        {"D0", 0xD0}, {"d0", 0xD0}, {"00D0", 0xD0}, {"\xA3\xC4\xA3\xB0", 0xD0}, {"76F0", 0x76F0},
        {"", 0}, {"XYZ", 0}, {"0x30", 0}, {"30 ", 0}, {"-30", 0},
        {"7FFFFFFFFFFFFFFF", kMax}, {"FFFFFFFFFFFFFFFFFFFF", kMax},
    };
    for (const auto& [text, offset] : cases) EXPECT_EQ(typed_offset(text), offset) << text;
}

TEST(ReadRecord, DecodesTheChainAtAnyOffset) {
    OpsFile f(four_and_a_bit());
    const std::pair<std::int64_t, std::string> cases[] = {
        {0x30, "HELLO"}, {0xD0, "old"}, {0x32, "ELLO"}, {0x2B0, ""}, {0x2C3, ""},
        // The signature's 1A ends the chain at once.
        {0, ""}, {0x2C4, ""}, {0xFFFF, ""}, {kMax, ""},
    };
    for (const auto& [offset, value] : cases) {
        std::string read = "stale";
        EXPECT_EQ(read_record(f.file, offset, read), ReadOutcome::read) << offset;
        EXPECT_EQ(read, value) << offset;
    }
}

// The listing read the file once; a change another program makes afterwards is what the
// next read of a record shows.
TEST(ReadRecord, SeesAChangeMadeByAnotherHandleAfterTheListing) {
    OpsFile f(four_and_a_bit());
    std::string listed;
    ASSERT_EQ(list_config_records(f.file, [&](int index, const Record& r) { if (index == 1) listed = r.value; }),
              ListOutcome::listed);
    ASSERT_EQ(listed, "old");
    change_on_disk(f.path, 0xD0, chain_of(0x30, "new"));
    std::string value;
    ASSERT_EQ(read_record(f.file, 0xD0, value), ReadOutcome::read);
    EXPECT_EQ(value, "new");
}

TEST(ReadRecord, ClosedFileIsAReadFailure) {
    OpsFile f(four_and_a_bit());
    f.file.file.close();
    std::string value = "stale";
    EXPECT_EQ(read_record(f.file, 0x30, value), ReadOutcome::read_failed);
    EXPECT_EQ(value, "");
}

}  // namespace
