#include <gtest/gtest.h>

#include "config/messages.h"
#include "edit_files.h"

namespace {

TEST(ShowClickedRecord, EmptyListOnlyMovesTheFocusToTheOffsetBox) {
    Harness h;
    h.window.texts[Control::EditBox1] = "old value";
    h.window.texts[Control::EditBox2] = "D0";
    h.window.texts[Control::Label1] = "old hint";
    show_clicked_record(h.context);
    EXPECT_EQ(h.window.focused, Control::EditBox2);
    EXPECT_EQ(h.window.texts[Control::EditBox1], "old value");
    EXPECT_EQ(h.window.texts[Control::EditBox2], "D0");
    EXPECT_EQ(h.window.hint(), "old hint");
}

TEST(ShowClickedRecord, RowFillsBothBoxesAndKeepsTheFocusOnTheList) {
    // 中文 in GBK, so the value must arrive byte for byte.
    OpenFile f(config_bytes({chain_of(0x41, "AB"), chain_of(0x30, "\xD6\xD0\xCE\xC4")}));
    ASSERT_EQ(f.window.row_count(), 2);
    f.window.focused = Control::ListView1;
    f.click(1);
    EXPECT_EQ(f.window.texts[Control::EditBox2], "D0");
    EXPECT_EQ(f.window.texts[Control::EditBox1], "\xD6\xD0\xCE\xC4");
    EXPECT_EQ(f.window.hint(),
              "\xCC\xE1\xCA\xBE:\xD0\xDE\xB8\xC4\xC7\xEB\xD4\xDA\xC9\xCF\xC3\xE6\xB1\xE0\xBC\xAD\xBF\xF2"
              "\xD6\xD0\xCA\xE4\xC8\xEB\xD0\xC2\xC4\xDA\xC8\xDD\xBA\xF3\xB0\xB4\xBB\xD8\xB3\xB5!");
    EXPECT_EQ(f.window.focused, Control::ListView1);
}

TEST(ShowClickedRecord, ClickBelowTheRowsEmptiesBothBoxes) {
    OpenFile f(config_bytes({chain_of(0x41, "AB"), chain_of(0x30, "CD")}));
    f.click(0);
    f.window.texts[Control::Label1] = "";
    f.click(-1);
    EXPECT_EQ(f.window.texts[Control::EditBox2], "");
    EXPECT_EQ(f.window.texts[Control::EditBox1], "");
    EXPECT_EQ(f.window.hint(), msg::kEditThenEnter);
}

TEST(ShowClickedRecord, ModuleRowsGiveThePortTextAndTheRate) {
    std::string module(200, '\x11');
    module.replace(64, 5, "COM1:");
    module.replace(120, 12, std::string("\x28\x70\xCD\xE5\x00\x00\x53\xE3\x96\x0D\xA0\xE3", 12));
    OpenFile f(module, "navione.dll");
    ASSERT_EQ(f.window.row_count(), 2);
    f.click(0);
    EXPECT_EQ(f.window.texts[Control::EditBox2], "40");
    EXPECT_EQ(f.window.texts[Control::EditBox1], "COM1:");
    f.click(1);
    EXPECT_EQ(f.window.texts[Control::EditBox2], "80");
    EXPECT_EQ(f.window.texts[Control::EditBox1], "9600");
}

}  // namespace
