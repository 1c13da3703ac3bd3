#include "ops/patch_module.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <limits>
#include <string>

#include "ops_file.h"

namespace {

constexpr WriteOptions kNoBackup{.backup = false};
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

enum class What { port, rate };

struct PatchCase {
    const char* name;
    What what;
    std::int64_t offset;
    std::string text;
    PatchOutcome outcome;
    std::string bytes;  // written at offset when done
};

const PatchCase kCases[] = {
    {"port", What::port, 0x64, "COM2:", PatchOutcome::done, "COM2:"},
    {"port without colon", What::port, 0x64, "COM2", PatchOutcome::done, "COM2"},
    {"port at the first byte after the header", What::port, 5, "COM2:", PatchOutcome::done, "COM2:"},
    {"port up to the end", What::port, 195, "COM2:", PatchOutcome::done, "COM2:"},
    {"rate, its fourth byte kept", What::rate, 0x9E, "38400", PatchOutcome::done, "\x96\x0C\xA0"},
    {"rate up to the end", What::rate, 197, "4800", PatchOutcome::done, "\x4B\x0D\xA0"},
    {"port of six bytes", What::port, 0x64, "COM12:", PatchOutcome::port_too_long, ""},
    {"port in the first five bytes", What::port, 4, "COM2:", PatchOutcome::bad_offset, ""},
    {"port past the end", What::port, 196, "COM2:", PatchOutcome::bad_offset, ""},
    {"port past 2^63", What::port, kMax, "COM2:", PatchOutcome::bad_offset, ""},
    {"rate past the end", What::rate, 198, "9600", PatchOutcome::bad_offset, ""},
    {"rate past 2^63", What::rate, kMax, "9600", PatchOutcome::bad_offset, ""},
    {"rate below offset 5", What::rate, 0, "9600", PatchOutcome::bad_offset, ""},
    {"unknown rate", What::rate, 0x9E, "1200", PatchOutcome::bad_rate, ""},
    {"rate with a leading zero", What::rate, 0x9E, "09600", PatchOutcome::bad_rate, ""},
    {"rate with a blank", What::rate, 0x9E, "9600 ", PatchOutcome::bad_rate, ""},
    {"empty rate", What::rate, 0x9E, "", PatchOutcome::bad_rate, ""},
};

class PatchModule : public testing::TestWithParam<PatchCase> {};

TEST_P(PatchModule, WritesTheBytesInPlaceOrNothing) {
    const PatchCase& c = GetParam();
    OpsFile f(module_bytes(), "navione.dll");
    ASSERT_EQ(f.opened, OpenOutcome::module);
    std::string expected = f.on_disk();
    if (c.outcome == PatchOutcome::done) expected.replace(static_cast<std::size_t>(c.offset), c.bytes.size(), c.bytes);
    FileChange change{-1, -1, "untouched", "untouched"};

    const PatchOutcome outcome = c.what == What::port ? patch_port(f.file, c.offset, c.text, kNoBackup, &change)
                                                      : patch_rate(f.file, c.offset, c.text, kNoBackup, &change);
    EXPECT_EQ(outcome, c.outcome);
    EXPECT_EQ(f.on_disk(), expected);
    if (c.outcome == PatchOutcome::done) {
        EXPECT_EQ(change.record, c.offset);
        EXPECT_EQ(change.offset, c.offset);
        EXPECT_EQ(change.before, module_bytes().substr(static_cast<std::size_t>(c.offset), c.bytes.size()));
        EXPECT_EQ(change.after, c.bytes);
    } else {
        EXPECT_EQ(change.after, "untouched");
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PatchModule, testing::ValuesIn(kCases), [](const auto& info) {
    std::string name;
    for (const char c : std::string(info.param.name)) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
});

TEST(PatchPort, EmptyTextWritesNothingAndIsDone) {
    OpsFile f(module_bytes(), "navione.dll");
    FileChange change{-1, -1, "untouched", "untouched"};
    EXPECT_EQ(patch_port(f.file, 0x64, "", WriteOptions{}, &change), PatchOutcome::done);
    EXPECT_EQ(f.on_disk(), module_bytes());
    EXPECT_EQ(change.after, "untouched");
    EXPECT_FALSE(file_exists(f.path + ".bak"));
}

}  // namespace
