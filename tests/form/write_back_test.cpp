#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "ops/hints.h"
#include "opened_file.h"

namespace {

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
    OpenedFile f(four_and_a_bit());
    ASSERT_EQ(f.view.row_count(), 5);
    std::string expected = f.on_disk();
    expected.replace(c.units_at, c.units.size(), c.units);

    f.type(c.offset_text, c.value);
    f.enter();

    EXPECT_EQ(f.on_disk(), expected);
    EXPECT_EQ(f.view.row_count(), 5);
    EXPECT_EQ(f.view.cell(c.row, 1), c.listed);
    EXPECT_EQ(f.view.selected, c.selected);
    EXPECT_EQ(f.view.scrolled_to, c.scrolled);
    EXPECT_EQ(f.view.hint(), "\xCC\xE1\xCA\xBE:\xD0\xDE\xB8\xC4\xCD\xEA\xB3\xC9!");
    EXPECT_EQ(f.view.texts[ControlId::offset_box], c.offset_text);
    EXPECT_EQ(f.view.texts[ControlId::value_box], c.value);
    EXPECT_EQ(f.view.focused, ControlId::record_list);
    EXPECT_TRUE(f.form.file.is_open());
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
    OpenedFile f(four_and_a_bit());
    const std::string before = f.on_disk();
    f.view.current_file.clear();  // a re-listing would name the file again
    f.type(c.offset_text, c.value);
    f.enter();
    EXPECT_EQ(f.on_disk(), before);
    EXPECT_EQ(f.view.hint(), c.hint);
    EXPECT_EQ(f.view.current_file, "");
    EXPECT_EQ(f.view.row_count(), 5);
    EXPECT_FALSE(file_exists(f.path + ".bak"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteBackRefused,
    testing::Values(RefusedCase{"in_the_header", "2F", "AB", hint::kEnterOffset},
                    RefusedCase{"not_hexadecimal", "XYZ", "AB", hint::kEnterOffset},
                    RefusedCase{"with_a_prefix", "0x30", "AB", hint::kEnterOffset},
                    RefusedCase{"with_a_blank", "30 ", "AB", hint::kEnterOffset},
                    RefusedCase{"at_the_end", "2C4", "AB", hint::kEnterOffset},
                    RefusedCase{"beyond_the_end", "FFFFFFFFFFFFFFFFFFFF", "AB", hint::kEnterOffset},
                    RefusedCase{"seed_cut_by_the_end", "2C3", "", hint::kEnterOffset},
                    RefusedCase{"one_byte_too_many_for_a_slot", "30", std::string(78, 'q'), hint::kValueTooLong},
                    RefusedCase{"would_reach_the_next_seed", "150", "fourteen bytes", hint::kValueTooLong},
                    RefusedCase{"would_run_past_the_end", "2B0", "eight b.", hint::kValueTooLong},
                    RefusedCase{"byte_FF", "D0", "A\xFF", hint::kUnwritableText},
                    RefusedCase{"zero_byte", "D0", std::string("A\0B", 3), hint::kUnwritableText}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WriteBackRefusedHint, SpelledInGbk) {
    EXPECT_STREQ(hint::kValueTooLong,
                 "\xCC\xE1\xCA\xBE:\xC4\xDA\xC8\xDD\xCC\xAB\xB3\xA4,\xB3\xAC\xB3\xF6\xC1\xCB\xB8\xC3\xBC\xC7\xC2\xBC"
                 "\xB5\xC4\xBF\xD5\xBC\xE4,\xCE\xB4\xD0\xB4\xC8\xEB!");
    EXPECT_STREQ(hint::kUnwritableText, "提示:内容含有无法写入的字符,未写入!");
}

// A character the user typed has no GBK form: the box's text is not what the user sees.
TEST(WriteBackOutsideGbk, TextIsNeverWritten) {
    OpenedFile config(four_and_a_bit());
    OpenedFile module(module_bytes(), "navione.dll");
    for (OpenedFile* f : {&config, &module}) {
        const std::string before = f->on_disk();
        f->click(0);
        f->view.type_outside_gbk(ControlId::value_box, "A?");
        f->view.current_file.clear();
        f->enter();
        EXPECT_EQ(f->view.hint(), hint::kUnwritableText);
        EXPECT_EQ(f->on_disk(), before);
        EXPECT_EQ(f->view.current_file, "");
        EXPECT_FALSE(file_exists(f->path + ".bak"));
    }
}

TEST(WriteBackPreconditions, SilentWithoutOffsetListOrFileOrEnter) {
    OpenedFile f(four_and_a_bit());
    const std::string before = f.on_disk();
    f.view.texts[ControlId::hint_line] = "kept";

    f.type("", "AB");
    f.enter();
    EXPECT_EQ(f.view.hint(), "kept");

    f.type("30", "AB");
    on_value_box_key(f.form, BoxKey::up);
    EXPECT_EQ(f.view.hint(), "kept");

    f.view.rows.clear();
    f.enter();
    EXPECT_EQ(f.view.hint(), "kept");
    EXPECT_EQ(f.on_disk(), before);
}

TEST(WriteBackPreconditions, EnterAfterAFailedTakingInWritesNothing) {
    OpenedFile f(four_and_a_bit());
    const std::string before = f.on_disk();
    f.click(0);
    take_in_file(f.form, f.dir.path("missing.dll"));
    ASSERT_FALSE(f.form.file.is_open());
    f.view.texts[ControlId::value_box] = "AB";
    f.enter();
    EXPECT_EQ(f.on_disk(), before);
    EXPECT_EQ(f.view.hint(), hint::kOpenFailed);
}

TEST(WriteBackPreconditions, ModuleNeverGetsAChain) {
    // Units everywhere, so a chain written at 30 would change the file.
    std::string module(400, '4');
    module.replace(200, 5, "COM2:");
    OpenedFile f(module, "navione.dll");
    ASSERT_EQ(f.form.file.kind, FileKind::module);
    f.type("30", "AB");
    f.view.selected = -1;
    f.enter();
    EXPECT_EQ(f.on_disk(), module);
}

TEST(WriteBackPreconditions, UnknownKindDoesNothing) {
    OpenedFile f(four_and_a_bit());
    const std::string before = f.on_disk();
    f.form.file.kind = FileKind::none;
    f.type("30", "AB");
    f.enter();
    EXPECT_EQ(f.on_disk(), before);
}

// Another program changed the seed after the listing: the slot still decodes to what was typed.
TEST(WriteBackSeed, ChangedElsewhereAfterTheListing) {
    OpenedFile f(four_and_a_bit());
    f.click(1);
    change_on_disk(f.path, 0xD0, "30");
    f.type("D0", "N");
    f.enter();
    EXPECT_EQ(f.view.hint(), hint::kDone);
    EXPECT_EQ(f.on_disk().substr(0xD0, 8), chain_of(0x30, "N"));
    EXPECT_EQ(f.view.cell(1, 1), "N");
}

// A write the system refuses (here: beyond the process's file-size limit) is not "done";
// with a backup wanted, the backup is what fails first, and nothing is written at all.
TEST(WriteBackFailure, FailedWriteIsNotReportedAsDone) {
    const struct {
        bool backup;
        const char* hint;
        int rows;
    } cases[] = {
        {false, hint::kWriteFailed, 5},
        {true, hint::kBackupFailed, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.backup);
        OpenedFile f(four_and_a_bit());
        f.form.write_options.backup = c.backup;
        const std::string before = f.on_disk();
        f.type("210", "AB");
        {
            FileSizeLimit limit(0x100);
            f.enter();
        }
        EXPECT_EQ(f.on_disk(), before);
        EXPECT_EQ(f.view.hint(), c.hint);
        EXPECT_EQ(f.view.row_count(), c.rows);
        EXPECT_EQ(f.dir.names(), std::set<std::string>{"NaviConfig.dll"});
    }
}

TEST(WriteBackBackup, MadeAtTheFirstWriteAndKept) {
    OpenedFile f(four_and_a_bit());
    const std::string original = f.on_disk();
    f.type("30", "AB");
    f.enter();
    ASSERT_EQ(f.view.hint(), hint::kDone);
    EXPECT_EQ(read_file(f.path + ".bak"), original);
    f.type("D0", "N");
    f.enter();
    ASSERT_EQ(f.view.hint(), hint::kDone);
    EXPECT_EQ(read_file(f.path + ".bak"), original);
    EXPECT_EQ(f.dir.names(), (std::set<std::string>{"NaviConfig.dll", "NaviConfig.dll.bak"}));
}

}  // namespace
