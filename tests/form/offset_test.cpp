#include <gtest/gtest.h>

#include "ops/hints.h"
#include "opened_file.h"

namespace {

std::string two_slots() { return config_bytes({chain_of(0x41, "HELLO"), chain_of(0xF0, "old")}); }

struct GoCase {
    const char* name;
    std::string offset_text;
    std::string value;
};

class GoToOffset : public testing::TestWithParam<GoCase> {};

TEST_P(GoToOffset, DecodesTheChainThereAndLeavesTheListAlone) {
    const GoCase& c = GetParam();
    OpenedFile f(two_slots());
    const auto rows = f.view.rows;
    f.view.selected = 1;
    f.type(c.offset_text, "before");
    on_offset_box_key(f.form, BoxKey::enter);
    EXPECT_EQ(f.view.texts[ControlId::value_box], c.value);
    EXPECT_EQ(f.view.texts[ControlId::offset_box], c.offset_text);
    EXPECT_EQ(f.view.hint(), hint::kEditThenEnter);
    EXPECT_EQ(f.view.rows, rows);
    EXPECT_EQ(f.view.selected, 1);
    EXPECT_EQ(f.view.scrolled_to, -2);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GoToOffset,
    testing::Values(GoCase{"listed_row", "D0", "old"}, GoCase{"lower_case", "d0", "old"},
                    GoCase{"leading_zeros", "00D0", "old"}, GoCase{"slot_zero", "30", "HELLO"},
                    // The unit after the seed serves as the seed.
                    GoCase{"inside_a_chain", "32", "ELLO"},
                    // Not hexadecimal reads at 0, where the signature's 1A ends the decode at once.
                    GoCase{"not_hexadecimal", "XYZ", ""}, GoCase{"beyond_the_end", "FFFF", ""},
                    GoCase{"far_beyond_the_end", "FFFFFFFFFFFFFFFFFFFFFFFF", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GoToOffsetHints, NoFileWinsOverAnEmptyBox) {
    struct Case {
        bool open;
        std::string offset_text;
        const char* hint;
    };
    for (const Case& c : {Case{true, "", hint::kEnterOffset}, Case{false, "", hint::kNoFileOpen},
                          Case{false, "D0", hint::kNoFileOpen}}) {
        OpenedFile f(two_slots());
        if (!c.open) f.form.file.file.close();
        f.type(c.offset_text, "kept");
        on_offset_box_key(f.form, BoxKey::enter);
        EXPECT_EQ(f.view.hint(), c.hint) << c.open << " '" << c.offset_text << "'";
        EXPECT_EQ(f.view.texts[ControlId::value_box], "kept");
    }
    EXPECT_STREQ(hint::kEnterOffset,
                 "\xCC\xE1\xCA\xBE:\xC7\xEB\xCA\xE4\xC8\xEB\xCA\xAE\xC1\xF9\xBD\xF8\xD6\xC6\xC6\xAB\xD2\xC6\xB5\xD8"
                 "\xD6\xB7!");
}

// Another program changed the record after the listing: the offset box shows what is on disk.
TEST(GoToOffsetOnDisk, ShowsTheRecordAsItIsNow) {
    OpenedFile f(two_slots());
    ASSERT_EQ(f.view.cell(1, 1), "old");
    change_on_disk(f.path, 0xD0, chain_of(0x30, "new"));
    f.type("D0", "before");
    on_offset_box_key(f.form, BoxKey::enter);
    EXPECT_EQ(f.view.texts[ControlId::value_box], "new");
}

TEST(ArrowKeys, MoveTheFocusBetweenTheBoxesInEveryState) {
    Harness none;
    on_value_box_key(none.form, BoxKey::down);
    EXPECT_EQ(none.view.focused, ControlId::offset_box);
    on_offset_box_key(none.form, BoxKey::up);
    EXPECT_EQ(none.view.focused, ControlId::value_box);

    std::string module(100, '\x11');
    module.replace(50, 5, "COM4:");
    OpenedFile f(module, "navione.dll");
    f.form.busy = true;  // arrows still work while a listing or an export runs
    on_value_box_key(f.form, BoxKey::down);
    EXPECT_EQ(f.view.focused, ControlId::offset_box);
    on_offset_box_key(f.form, BoxKey::up);
    EXPECT_EQ(f.view.focused, ControlId::value_box);
    // The other arrow does nothing in either box.
    on_offset_box_key(f.form, BoxKey::down);
    on_value_box_key(f.form, BoxKey::up);
    EXPECT_EQ(f.view.focused, ControlId::value_box);
}

// A module holds zero bytes and odd runs of text; the decode ends on them all the same.
TEST(GoToOffsetModule, ModuleBytesDecodeAndEnd) {
    std::string module(100, '\x11');
    module.replace(20, 5, "COM1:");
    module.replace(40, 6, std::string("4142\x34\0", 6));
    module.replace(60, 7, std::string("4A4B\x1A", 5));
    OpenedFile f(module, "navione.dll");
    for (const auto& [offset, value] : {std::pair{"28", "\x01"}, std::pair{"3C", "\x01"}, std::pair{"14", ""}}) {
        f.type(offset, "before");
        on_offset_box_key(f.form, BoxKey::enter);
        EXPECT_EQ(f.view.texts[ControlId::value_box], value) << offset;
    }
}

TEST(GoToOffsetThenWrite, ValueGoesBackToTheOffsetNavigatedTo) {
    OpenedFile f(two_slots());
    std::string expected = f.on_disk();
    expected.replace(0x152, 6, "515151");
    f.type("150", "before");
    on_offset_box_key(f.form, BoxKey::enter);
    ASSERT_EQ(f.view.texts[ControlId::value_box], "");
    f.view.texts[ControlId::value_box] = "Q";
    f.enter();
    EXPECT_EQ(f.on_disk(), expected);
    EXPECT_EQ(f.view.hint(), hint::kDone);
}

}  // namespace
