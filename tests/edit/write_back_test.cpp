#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "config/messages.h"
#include "edit/value_box_key.h"
#include "edit_files.h"

namespace {

// Slots 30, D0, 170, 210 with seeds 41, F0, FE, C0, and a last slot 2B0 cut to 20 bytes
// by the end of the file (length 2C4).
std::string four_and_a_bit() {
    return config_bytes({chain_of(0x41, "HELLO"), chain_of(0xF0, "old"), chain_of(0xFE, "x"), chain_of(0xC0, "y")}) +
           std::string(20, '0');
}

struct WriteCase {
    const char* name;
    std::string offset_text;
    std::string value;
    std::size_t units_at;  // where the units after the seed go
    std::string units;
    int row;  // the row whose listed value is checked
    std::string listed;
    int selected;
    int scrolled;  // -2: not scrolled
};

class WriteBack : public testing::TestWithParam<WriteCase> {};

TEST_P(WriteBack, WritesTheUnitsInPlaceAndSelectsTheRowAgain) {
    const WriteCase& c = GetParam();
    OpenFile f(four_and_a_bit());
    ASSERT_EQ(f.window.row_count(), 5);
    std::string expected = f.on_disk();
    expected.replace(c.units_at, c.units.size(), c.units);

    f.type(c.offset_text, c.value);
    on_value_box_key(f.context, kKeyEnter);

    EXPECT_EQ(f.on_disk(), expected);
    EXPECT_EQ(f.window.row_count(), 5);
    EXPECT_EQ(f.window.cell(c.row, 1), c.listed);
    EXPECT_EQ(f.window.selected, c.selected);
    EXPECT_EQ(f.window.scrolled_to, c.scrolled);
    EXPECT_EQ(f.window.hint(), "\xCC\xE1\xCA\xBE:\xD0\xDE\xB8\xC4\xCD\xEA\xB3\xC9!");
    EXPECT_EQ(f.window.texts[Control::EditBox2], c.offset_text);
    EXPECT_EQ(f.window.texts[Control::EditBox1], c.value);
    EXPECT_TRUE(f.session.is_open());
}

const std::string k77(77, 'q');
const std::string k13 = "thirteen byte";
const std::string k7 = "seven b";

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteBack,
    testing::Values(
        // Shorter than HELLO: the old chain's later units stay behind the new end units.
        WriteCase{"ascii", "30", "AB", 0x32, "82C4C4C4", 0, "AB", 0, 1},
        WriteCase{"wraps_by_255", "D0", "N", 0xD2, "3F3F3F", 1, "N", 1, 2},
        WriteCase{"lower_case_offset", "d0", "N", 0xD2, "3F3F3F", 1, "N", 1, 2},
        WriteCase{"leading_zero_selects_none", "0D0", "N", 0xD2, "3F3F3F", 1, "N", -1, 0},
        WriteCase{"full_width_offset", "\xA3\xC4\xA3\xB0", "N", 0xD2, "3F3F3F", 1, "N", -1, 0},
        WriteCase{"gbk", "30", "\xD6\xD0\xCE\xC4", 0x32, "18E8B77C7C7C", 0, "\xD6\xD0\xCE\xC4", 0, 1},
        WriteCase{"empty_value", "D0", "", 0xD2, "F0F0", 1, "", 1, 2},
        WriteCase{"sum_above_255", "170", "A", 0x172, "404040", 2, "A", 2, 3},
        WriteCase{"sum_of_255_stays_FF", "210", "?", 0x212, "FFFFFF", 3, "?", 3, 4},
        WriteCase{"fills_a_slot", "30", k77, 0x32, chain_of(0x41, k77).substr(2), 0, k77, 0, 1},
        // From the middle of slot D0 up to the seed of slot 170, which stays.
        WriteCase{"fills_the_rest_of_a_slot", "150", k13, 0x152, chain_of(0x00, k13).substr(2), 2, "x", -1, 0},
        WriteCase{"ends_at_the_end_of_the_file", "2B0", k7, 0x2B2, chain_of(0x00, k7).substr(2), 4, k7, 4, -2}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusedCase {
    const char* name;
    std::string offset_text;
    std::string value;
    const char* hint;
};

class WriteBackRefused : public testing::TestWithParam<RefusedCase> {};

TEST_P(WriteBackRefused, WritesNothingAndKeepsTheList) {
    const RefusedCase& c = GetParam();
    OpenFile f(four_and_a_bit());
    const std::string before = f.on_disk();
    f.window.texts[Control::StatusBar1].clear();  // an intake would name the file again
    f.type(c.offset_text, c.value);
    on_value_box_key(f.context, kKeyEnter);
    EXPECT_EQ(f.on_disk(), before);
    EXPECT_EQ(f.window.hint(), c.hint);
    EXPECT_EQ(f.window.texts[Control::StatusBar1], "");
    EXPECT_EQ(f.window.row_count(), 5);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteBackRefused,
    testing::Values(RefusedCase{"in_the_header", "2F", "AB", msg::kEnterOffset},
                    RefusedCase{"not_hexadecimal", "XYZ", "AB", msg::kEnterOffset},
                    RefusedCase{"with_a_prefix", "0x30", "AB", msg::kEnterOffset},
                    RefusedCase{"with_a_blank", "30 ", "AB", msg::kEnterOffset},
                    RefusedCase{"at_the_end", "2C4", "AB", msg::kEnterOffset},
                    RefusedCase{"beyond_the_end", "FFFFFFFFFFFFFFFFFFFF", "AB", msg::kEnterOffset},
                    RefusedCase{"seed_cut_by_the_end", "2C3", "", msg::kEnterOffset},
                    RefusedCase{"one_byte_too_many_for_a_slot", "30", std::string(78, 'q'), msg::kValueTooLong},
                    RefusedCase{"would_reach_the_next_seed", "150", "fourteen bytes", msg::kValueTooLong},
                    RefusedCase{"would_run_past_the_end", "2B0", "eight b.", msg::kValueTooLong}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WriteBackRefusedHint, TooLongSpelledInGbk) {
    EXPECT_STREQ(msg::kValueTooLong,
                 "\xCC\xE1\xCA\xBE:\xC4\xDA\xC8\xDD\xCC\xAB\xB3\xA4,\xB3\xAC\xB3\xF6\xC1\xCB\xB8\xC3\xBC\xC7\xC2\xBC"
                 "\xB5\xC4\xBF\xD5\xBC\xE4,\xCE\xB4\xD0\xB4\xC8\xEB!");
}

TEST(WriteBackPreconditions, SilentWithoutOffsetListOrFile) {
    OpenFile f(four_and_a_bit());
    const std::string before = f.on_disk();
    f.window.texts[Control::Label1] = "kept";

    f.type("", "AB");
    on_value_box_key(f.context, kKeyEnter);
    EXPECT_EQ(f.window.hint(), "kept");

    f.type("30", "AB");
    on_value_box_key(f.context, 'A');
    EXPECT_EQ(f.window.hint(), "kept");

    f.window.rows.clear();
    on_value_box_key(f.context, kKeyEnter);
    EXPECT_EQ(f.window.hint(), "kept");
    EXPECT_EQ(f.on_disk(), before);
}

TEST(WriteBackPreconditions, EnterAfterAFailedIntakeWritesNothing) {
    OpenFile f(four_and_a_bit());
    const std::string before = f.on_disk();
    f.click(0);
    intake_file(f.context, f.dir.path("missing.dll"));
    ASSERT_FALSE(f.session.is_open());
    f.window.texts[Control::EditBox1] = "AB";
    on_value_box_key(f.context, kKeyEnter);
    EXPECT_EQ(f.on_disk(), before);
    EXPECT_EQ(f.window.hint(), msg::kOpenFailed);
}

TEST(WriteBackPreconditions, ModuleNeverGetsAChain) {
    // Units everywhere, so a chain written at 30 would change the file.
    std::string module(400, '4');
    module.replace(200, 5, "COM2:");
    OpenFile f(module, "navione.dll");
    ASSERT_EQ(f.session.kind, "navione.dll");
    f.type("30", "AB");
    f.window.selected = -1;
    on_value_box_key(f.context, kKeyEnter);
    EXPECT_EQ(f.on_disk(), module);
}

TEST(WriteBackPreconditions, UnknownKindDoesNothing) {
    OpenFile f(four_and_a_bit());
    const std::string before = f.on_disk();
    f.session.kind.clear();
    f.type("30", "AB");
    on_value_box_key(f.context, kKeyEnter);
    EXPECT_EQ(f.on_disk(), before);
}

// A write the system refuses (here: beyond the process's file-size limit) is not "done".
TEST(WriteBackFailure, FailedWriteIsNotReportedAsDone) {
    OpenFile f(four_and_a_bit());
    const std::string before = f.on_disk();
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit low = saved;
    low.rlim_cur = 0x100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &low), 0);

    f.type("210", "AB");
    on_value_box_key(f.context, kKeyEnter);

    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, old_handler);
    EXPECT_EQ(f.on_disk(), before);
    EXPECT_EQ(f.window.hint(), msg::kWriteFailed);
    EXPECT_EQ(f.window.row_count(), 5);
}

}  // namespace
