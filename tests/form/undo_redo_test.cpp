#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "ops/hints.h"
#include "opened_file.h"

namespace {

// Ctrl+Z and Ctrl+Y: the bytes on disk exactly as before and after, and the record the
// step changed shown as a click on its row would show it.
struct UndoCase {
    const char* name;
    std::string bytes;
    const char* file_name;
    int row;
    std::string offset_text;
    std::string typed;
    std::string listed_before;
};

const UndoCase kCases[] = {
    {"write-back", four_and_a_bit(), "NaviConfig.dll", 1, "D0", "N", "old"},
    {"a value that runs longer", four_and_a_bit(), "NaviConfig.dll", 0, "30", "longer than hello", "HELLO"},
    {"rate patch", module_bytes(), "navione.dll", 1, "9E", "38400", "9600"},
    {"port patch", module_bytes(), "navione.dll", 0, "64", "COM2:", "COM1:"},
};

class UndoRedo : public testing::TestWithParam<UndoCase> {};

TEST_P(UndoRedo, PutsTheBytesBackAndShowsTheRecord) {
    const UndoCase& c = GetParam();
    OpenedFile f(c.bytes, c.file_name);
    const std::string original = f.on_disk();
    f.click(c.row);
    f.type(c.offset_text, c.typed);
    f.enter();
    ASSERT_EQ(f.view.hint(), hint::kDone);
    const std::string written = f.on_disk();
    ASSERT_NE(written, original);

    f.click(-1);  // both boxes emptied, no row selected
    on_undo(f.form);
    EXPECT_EQ(f.view.hint(), hint::kUndone);
    EXPECT_TRUE(f.on_disk() == original);
    EXPECT_EQ(f.view.selected, c.row);
    EXPECT_EQ(f.view.texts[ControlId::offset_box], c.offset_text);
    EXPECT_EQ(f.view.texts[ControlId::value_box], c.listed_before);
    EXPECT_EQ(f.view.cell(c.row, 1), c.listed_before);

    f.click(-1);
    on_redo(f.form);
    EXPECT_EQ(f.view.hint(), hint::kRedone);
    EXPECT_TRUE(f.on_disk() == written);
    EXPECT_EQ(f.view.selected, c.row);
    EXPECT_EQ(f.view.texts[ControlId::offset_box], c.offset_text);
    EXPECT_EQ(f.view.texts[ControlId::value_box], c.typed);

    // The backup is the file before the first write, whatever was taken back since.
    EXPECT_TRUE(read_file(f.path + ".bak") == original);
}

INSTANTIATE_TEST_SUITE_P(Cases, UndoRedo, testing::ValuesIn(kCases), [](const auto& info) {
    std::string name;
    for (const char c : std::string(info.param.name)) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
});

TEST(UndoRedoHints, NothingToTakeBackOrRedo) {
    OpenedFile f(four_and_a_bit());
    const std::string before = f.on_disk();
    on_undo(f.form);
    EXPECT_EQ(f.view.hint(), hint::kNothingToUndo);
    on_redo(f.form);
    EXPECT_EQ(f.view.hint(), hint::kNothingToRedo);
    EXPECT_EQ(f.on_disk(), before);

    Harness none;
    on_undo(none.form);
    EXPECT_EQ(none.view.hint(), hint::kNothingToUndo);
}

// The re-listing after each write keeps the history; every step goes back one write.
TEST(UndoRedoSteps, SeveralWritesBackAndForward) {
    OpenedFile f(four_and_a_bit());
    std::string snapshots[3] = {f.on_disk()};
    f.type("30", "AB");
    f.enter();
    snapshots[1] = f.on_disk();
    f.type("D0", "N");
    f.enter();
    snapshots[2] = f.on_disk();

    on_undo(f.form);
    EXPECT_EQ(f.on_disk(), snapshots[1]);
    on_undo(f.form);
    EXPECT_EQ(f.on_disk(), snapshots[0]);
    EXPECT_EQ(f.view.texts[ControlId::offset_box], "30");
    EXPECT_EQ(f.view.texts[ControlId::value_box], "HELLO");
    on_undo(f.form);
    EXPECT_EQ(f.view.hint(), hint::kNothingToUndo);
    EXPECT_EQ(f.on_disk(), snapshots[0]);

    on_redo(f.form);
    on_redo(f.form);
    EXPECT_EQ(f.on_disk(), snapshots[2]);
    on_redo(f.form);
    EXPECT_EQ(f.view.hint(), hint::kNothingToRedo);
}

TEST(UndoRedoSteps, ANewWriteDropsTheRedo) {
    OpenedFile f(four_and_a_bit());
    f.type("30", "AB");
    f.enter();
    on_undo(f.form);
    f.type("170", "Z");
    f.enter();
    const std::string after = f.on_disk();
    on_redo(f.form);
    EXPECT_EQ(f.view.hint(), hint::kNothingToRedo);
    EXPECT_EQ(f.on_disk(), after);
}

// Another file taken in, or the same one taken in again: nothing of before can be taken back.
TEST(UndoRedoSteps, HistoryEndsWhenAFileIsTakenIn) {
    OpenedFile f(four_and_a_bit());
    f.type("30", "AB");
    f.enter();
    const std::string written = f.on_disk();
    take_in_file(f.form, f.path);
    on_undo(f.form);
    EXPECT_EQ(f.view.hint(), hint::kNothingToUndo);
    EXPECT_EQ(f.on_disk(), written);
}

TEST(UndoRedoSteps, RefusedWhenAnotherProgramChangedTheBytes) {
    OpenedFile f(four_and_a_bit());
    f.type("D0", "N");
    f.enter();
    change_on_disk(f.path, 0xD2, "77");
    const std::string changed = f.on_disk();
    f.view.current_file.clear();
    on_undo(f.form);
    EXPECT_EQ(f.view.hint(), hint::kChangedElsewhere);
    EXPECT_EQ(f.on_disk(), changed);
    EXPECT_EQ(f.view.current_file, "");
}

}  // namespace
