#include <gtest/gtest.h>

#include "ops/hints.h"
#include "opened_file.h"

namespace {

TEST(RecordClick, EmptyListOnlyMovesTheFocusToTheOffsetBox) {
    Harness h;
    h.view.texts[ControlId::value_box] = "old value";
    h.view.texts[ControlId::offset_box] = "D0";
    h.view.texts[ControlId::hint_line] = "old hint";
    on_record_click(h.form);
    EXPECT_EQ(h.view.focused, ControlId::offset_box);
    EXPECT_EQ(h.view.texts[ControlId::value_box], "old value");
    EXPECT_EQ(h.view.texts[ControlId::offset_box], "D0");
    EXPECT_EQ(h.view.hint(), "old hint");
}

TEST(RecordClick, RowFillsBothBoxesAndKeepsTheFocusOnTheList) {
    // 中文 in GBK, so the value must arrive byte for byte.
    OpenedFile f(config_bytes({chain_of(0x41, "AB"), chain_of(0x30, "\xD6\xD0\xCE\xC4")}));
    ASSERT_EQ(f.view.row_count(), 2);
    f.view.focused = ControlId::record_list;
    f.click(1);
    EXPECT_EQ(f.view.texts[ControlId::offset_box], "D0");
    EXPECT_EQ(f.view.texts[ControlId::value_box], "\xD6\xD0\xCE\xC4");
    EXPECT_EQ(f.view.hint(),
              "\xCC\xE1\xCA\xBE:\xD0\xDE\xB8\xC4\xC7\xEB\xD4\xDA\xC9\xCF\xC3\xE6\xB1\xE0\xBC\xAD\xBF\xF2"
              "\xD6\xD0\xCA\xE4\xC8\xEB\xD0\xC2\xC4\xDA\xC8\xDD\xBA\xF3\xB0\xB4\xBB\xD8\xB3\xB5!");
    EXPECT_EQ(f.view.focused, ControlId::record_list);
}

TEST(RecordClick, ClickBelowTheRowsEmptiesBothBoxes) {
    OpenedFile f(config_bytes({chain_of(0x41, "AB"), chain_of(0x30, "CD")}));
    f.click(0);
    f.view.texts[ControlId::hint_line] = "";
    f.click(-1);
    EXPECT_EQ(f.view.texts[ControlId::offset_box], "");
    EXPECT_EQ(f.view.texts[ControlId::value_box], "");
    EXPECT_EQ(f.view.hint(), hint::kEditThenEnter);
}

TEST(RecordClick, ModuleRowsGiveThePortTextAndTheRate) {
    std::string module(200, '\x11');
    module.replace(64, 5, "COM1:");
    module.replace(120, 12, std::string("\x28\x70\xCD\xE5\x00\x00\x53\xE3\x96\x0D\xA0\xE3", 12));
    OpenedFile f(module, "navione.dll");
    ASSERT_EQ(f.view.row_count(), 2);
    f.click(0);
    EXPECT_EQ(f.view.texts[ControlId::offset_box], "40");
    EXPECT_EQ(f.view.texts[ControlId::value_box], "COM1:");
    f.click(1);
    EXPECT_EQ(f.view.texts[ControlId::offset_box], "80");
    EXPECT_EQ(f.view.texts[ControlId::value_box], "9600");
}

}  // namespace
