#include <gtest/gtest.h>

#include "config/messages.h"
#include "edit/offset_box_key.h"
#include "edit/value_box_key.h"
#include "edit_files.h"

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
    OpenFile f(two_slots());
    const auto rows = f.window.rows;
    f.window.selected = 1;
    f.type(c.offset_text, "before");
    on_offset_box_key(f.context, kKeyEnter);
    EXPECT_EQ(f.window.texts[Control::EditBox1], c.value);
    EXPECT_EQ(f.window.texts[Control::EditBox2], c.offset_text);
    EXPECT_EQ(f.window.hint(), msg::kEditThenEnter);
    EXPECT_EQ(f.window.rows, rows);
    EXPECT_EQ(f.window.selected, 1);
    EXPECT_EQ(f.window.scrolled_to, -2);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GoToOffset,
    testing::Values(GoCase{"listed_row", "D0", "old"}, GoCase{"lower_case", "d0", "old"},
                    GoCase{"leading_zeros", "00D0", "old"}, GoCase{"slot_zero", "30", "HELLO"},
                    // The unit after the seed serves as the seed.
                    GoCase{"inside_a_chain", "32", "ELLO"},
                    // Not hexadecimal reads at 0, where the signature's 1A ends the scan at once.
                    GoCase{"not_hexadecimal", "XYZ", ""}, GoCase{"beyond_the_end", "FFFF", ""},
                    GoCase{"far_beyond_the_end", "FFFFFFFFFFFFFFFFFFFFFFFF", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GoToOffsetHints, NoFileWinsOverAnEmptyBox) {
    struct Case {
        bool open;
        std::string offset_text;
        const char* hint;
    };
    for (const Case& c : {Case{true, "", msg::kEnterOffset}, Case{false, "", msg::kNoFileOpen},
                          Case{false, "D0", msg::kNoFileOpen}}) {
        OpenFile f(two_slots());
        if (!c.open) f.session.file.close();
        f.type(c.offset_text, "kept");
        on_offset_box_key(f.context, kKeyEnter);
        EXPECT_EQ(f.window.hint(), c.hint) << c.open << " '" << c.offset_text << "'";
        EXPECT_EQ(f.window.texts[Control::EditBox1], "kept");
    }
    EXPECT_STREQ(msg::kEnterOffset,
                 "\xCC\xE1\xCA\xBE:\xC7\xEB\xCA\xE4\xC8\xEB\xCA\xAE\xC1\xF9\xBD\xF8\xD6\xC6\xC6\xAB\xD2\xC6\xB5\xD8"
                 "\xD6\xB7!");
}

TEST(ArrowKeys, MoveTheFocusBetweenTheBoxesInEveryState) {
    Harness none;
    on_value_box_key(none.context, kKeyDown);
    EXPECT_EQ(none.window.focused, Control::EditBox2);
    on_offset_box_key(none.context, kKeyUp);
    EXPECT_EQ(none.window.focused, Control::EditBox1);

    std::string module(100, '\x11');
    module.replace(50, 5, "COM4:");
    OpenFile f(module, "navione.dll");
    f.session.busy = true;  // arrows still work while a listing or an export runs
    on_value_box_key(f.context, kKeyDown);
    EXPECT_EQ(f.window.focused, Control::EditBox2);
    on_offset_box_key(f.context, kKeyUp);
    EXPECT_EQ(f.window.focused, Control::EditBox1);
}

// A module holds zero bytes and odd runs of text; the scan ends on them all the same.
TEST(GoToOffsetModule, ModuleBytesDecodeAndEnd) {
    std::string module(100, '\x11');
    module.replace(20, 5, "COM1:");
    module.replace(40, 6, std::string("4142\x34\0", 6));
    module.replace(60, 7, std::string("4A4B\x1A", 5));
    OpenFile f(module, "navione.dll");
    for (const auto& [offset, value] : {std::pair{"28", "\x01"}, std::pair{"3C", "\x01"}, std::pair{"14", ""}}) {
        f.type(offset, "before");
        on_offset_box_key(f.context, kKeyEnter);
        EXPECT_EQ(f.window.texts[Control::EditBox1], value) << offset;
    }
}

TEST(GoToOffsetThenWrite, ValueGoesBackToTheOffsetNavigatedTo) {
    OpenFile f(two_slots());
    std::string expected = f.on_disk();
    expected.replace(0x152, 6, "515151");
    f.type("150", "before");
    on_offset_box_key(f.context, kKeyEnter);
    ASSERT_EQ(f.window.texts[Control::EditBox1], "");
    f.window.texts[Control::EditBox1] = "Q";
    on_value_box_key(f.context, kKeyEnter);
    EXPECT_EQ(f.on_disk(), expected);
    EXPECT_EQ(f.window.hint(), msg::kDone);
}

}  // namespace
