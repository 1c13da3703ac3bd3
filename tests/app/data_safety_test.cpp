// The live window never touches what the user did not ask to change: an export onto the
// open file is refused, a failed export says so, and every operation reads the file as
// it is on disk, also after another program changed it.
#include "shell_fixture.h"

#include "tests/support/config_bytes.h"

namespace {

const std::string kExportOntoItself = "提示:不能导出到正在打开的文件!";
const std::string kExportFailed = "提示:导出文件写入失败!";
const std::string kDone = "提示:修改完成!";

std::string config_bytes() {
    return config_file('\xBF', {chain("HELLO", 0x41), chain("old", 0xF0), chain("end", 0xC0)}, '0');
}

class DataSafetyTest : public ShellTest {
protected:
    HWND value_box() const { return control(ControlId::value_box); }
    HWND offset_box() const { return control(ControlId::offset_box); }
    // A right click on the list, the save dialog answered with name.
    void export_as(const std::string& name) {
        DialogAnswer save(name);
        DialogWatch watch(save);
        click_list(row_point(0), true);
        ASSERT_EQ(save.shown, 1);
    }
};

TEST_F(DataSafetyTest, AnExportOntoTheOpenFileIsRefused) {
    start();
    // A configuration file that happens to carry the export's proposed name.
    const std::string path = folder_.write("kld_dec.txt", config_bytes());
    drop_file(path);
    export_as(folder_.path("kld_dec"));
    EXPECT_EQ(hint(), kExportOntoItself);
    EXPECT_EQ(file_bytes(path), config_bytes());
    EXPECT_EQ(row_count(), 3);
}

TEST_F(DataSafetyTest, AFailedExportSaysSoAndLeavesTheTargetAndTheWindowAlone) {
    start();
    drop_file(folder_.write("NaviConfig.dll", config_bytes()));
    const std::string target = folder_.write("locked.txt", "earlier export");
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY);
    SetWindowTextA(value_box(), "kept");
    export_as(folder_.path("locked"));
    EXPECT_EQ(hint(), kExportFailed);
    EXPECT_EQ(file_bytes(target), "earlier export");
    EXPECT_EQ(text_of(value_box()), "kept");
    EXPECT_EQ(row_count(), 3);
}

TEST_F(DataSafetyTest, NavigationAndWritesReadTheDiskAsItIsNow) {
    start();
    const std::string path = folder_.write("NaviConfig.dll", config_bytes());
    drop_file(path);
    // Another program rewrites slot D0 after the listing: "old" becomes "NEW".
    write_elsewhere(path, 0xD0, chain("NEW", 0xF0));
    type(offset_box(), "D0");
    press(offset_box(), VK_RETURN);
    EXPECT_EQ(text_of(value_box()), "NEW");

    // And changes the seed of slot 30 before the write: the write encodes on the new seed.
    write_elsewhere(path, 0x30, "10");
    type(offset_box(), "30");
    type(value_box(), "Z");
    press(value_box(), VK_RETURN);
    EXPECT_EQ(hint(), kDone);
    EXPECT_EQ(file_bytes(path).substr(0x30, 8), "106A6A6A");
    EXPECT_EQ(cell(0, 1), "Z");
}

}  // namespace
