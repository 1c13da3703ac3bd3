// Undo and redo of the open file's writes in the live window, and the backup beside the
// file: Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z with the record list focused.
#include "shell_fixture.h"

#include "tests/support/config_bytes.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

const std::string kDone = "提示:修改完成!";
const std::string kUndone = "提示:已撤销修改!";
const std::string kRedone = "提示:已恢复修改!";
const std::string kNothingToUndo = "提示:没有可以撤销的修改!";
const std::string kNothingToRedo = "提示:没有可以恢复的修改!";
const std::string kChangedElsewhere = "提示:文件已被其他程序修改,无法撤销!";

std::string config_bytes() {
    return config_file('\xBF', {chain("HELLO", 0x41), chain("old", 0xF0), chain("end", 0xC0)}, '0');
}

// The port text COM3: at 20, the MOV R0, #9600 at 48.
std::string module_bytes() {
    std::string out = std::string("MZ\x90\x00\x03", 5) + std::string(27, 'x') + "COM3:" + std::string(27, 'x');
    out += std::string("\x28\x70\xCD\xE5\x00\x00\x53\xE3", 8) + std::string("\x96\x0D\xA0\xE3", 4);
    return out + std::string(8, '\x11');
}

class UndoTest : public ShellTest {
protected:
    HWND value_box() const { return control(ControlId::value_box); }
    HWND offset_box() const { return control(ControlId::offset_box); }
    void write_row(int row, const std::string& value) {
        click_list(row_point(row));
        type(value_box(), value);
        press(value_box(), VK_RETURN);
    }
    void undo() { press_with_ctrl(list(), 'Z'); }
    void redo(bool with_shift_z = false) { press_with_ctrl(list(), with_shift_z ? 'Z' : 'Y', with_shift_z); }
};

TEST_F(UndoTest, CtrlZAndCtrlYWalkThroughTheWritesOfTheOpenFile) {
    start();
    const std::string path = folder_.write("NaviConfig.dll", config_bytes());
    const std::string original = config_bytes();
    drop_file(path);

    write_row(1, "NEW");
    ASSERT_EQ(hint(), kDone);
    const std::string after_first = file_bytes(path);
    ASSERT_NE(after_first, original);
    EXPECT_EQ(file_bytes(path + ".bak"), original) << "the backup holds the file before its first change";
    write_row(0, "AB");
    ASSERT_EQ(hint(), kDone);
    const std::string after_second = file_bytes(path);
    EXPECT_EQ(file_bytes(path + ".bak"), original) << "a later write never replaces the backup";

    // Ctrl+Z in an edit box is the box's own: the file stays as it is.
    type(value_box(), "zz");
    press_with_ctrl(value_box(), 'Z');
    EXPECT_EQ(file_bytes(path), after_second);

    SetFocus(list());
    undo();
    EXPECT_EQ(file_bytes(path), after_first);
    EXPECT_EQ(hint(), kUndone);
    EXPECT_EQ(selected_row(), 0);
    EXPECT_EQ(text_of(offset_box()), "30");
    EXPECT_EQ(text_of(value_box()), "HELLO");
    undo();
    EXPECT_EQ(file_bytes(path), original);
    EXPECT_EQ(selected_row(), 1);
    EXPECT_EQ(text_of(value_box()), "old");
    undo();
    EXPECT_EQ(hint(), kNothingToUndo);
    EXPECT_EQ(file_bytes(path), original);

    redo();
    EXPECT_EQ(file_bytes(path), after_first);
    EXPECT_EQ(hint(), kRedone);
    EXPECT_EQ(text_of(value_box()), "NEW");
    redo(true);
    EXPECT_EQ(file_bytes(path), after_second);
    redo();
    EXPECT_EQ(hint(), kNothingToRedo);

    // Another program changed what the last write left: the undo is refused.
    write_elsewhere(path, 0x32, "99");
    const std::string changed = file_bytes(path);
    undo();
    EXPECT_EQ(hint(), kChangedElsewhere);
    EXPECT_EQ(file_bytes(path), changed);

    // Taking the file in again ends the history.
    drop_file(path);
    undo();
    EXPECT_EQ(hint(), kNothingToUndo);
    EXPECT_EQ(file_bytes(path), changed);
}

TEST_F(UndoTest, ARatePatchIsUndoneAndRedoneByteForByte) {
    start();
    const std::string path = folder_.write("navione.dll", module_bytes());
    drop_file(path);
    write_row(1, "57600");
    ASSERT_EQ(hint(), kDone);
    const std::string patched = file_bytes(path);
    EXPECT_EQ(patched.substr(0x48, 4), "\xE1\x0C\xA0\xE3");
    SetFocus(list());
    undo();
    EXPECT_EQ(file_bytes(path), module_bytes());
    EXPECT_EQ(rows(), (Rows{{"20", "COM3:"}, {"48", "9600"}}));
    EXPECT_EQ(selected_row(), 1);
    redo();
    EXPECT_EQ(file_bytes(path), patched);
    EXPECT_EQ(file_bytes(path + ".bak"), module_bytes());
}

}  // namespace
