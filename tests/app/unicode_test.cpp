// The window over GBK files on any Windows: paths of any characters from the drop, the
// dialogs and the program's own folder, and typed text that reaches the file as GBK or
// not at all. Runs under the code pages 936, 1252 and 932 with the same expectations.
#include "shell_fixture.h"

#include "tests/support/config_bytes.h"
#include "wide_folder.h"

namespace {

const std::string kDone = "提示:修改完成!";
const std::string kUnwritable = "提示:内容含有无法写入的字符,未写入!";

std::string config_bytes() {
    // Slot D0 holds 81 20: a lead byte without a valid trail, no GBK character at all.
    return config_file('\xBF', {chain("HELLO", 0x41), chain("\x81\x20", 0xF0), chain("end", 0xC0)}, '0');
}

std::wstring status_wide(HWND bar) {
    wchar_t text[4096] = {};
    SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    return text;
}

class UnicodeTest : public ShellTest {
protected:
    HWND value_box() const { return control(ControlId::value_box); }
    HWND offset_box() const { return control(ControlId::offset_box); }
    void write_row(int row, const std::wstring& typed) {
        click_list(row_point(row));
        type_wide(value_box(), typed);
        press(value_box(), VK_RETURN);
    }
    WideFolder wide_;
};

TEST_F(UnicodeTest, AFileInAFolderOfAnyCharactersWorksEndToEnd) {
    start();
    const std::string path = wide_.write("NaviConfig.dll", config_bytes());
    drop_files({path}, true);
    EXPECT_EQ(status_wide(control(ControlId::status_bar)), L"\x5F53\x524D\x6587\x4EF6:" + utf8_to_wide(path));
    ASSERT_EQ(row_count(), 3);
    EXPECT_EQ(cell(0, 1), "HELLO");

    write_row(0, L"AB");
    EXPECT_EQ(hint(), kDone);
    EXPECT_EQ(wide_.read("NaviConfig.dll").substr(0x30, 10), "4182C4C4C4");

    // The save dialog saves into such a folder too, under a Chinese name.
    const std::string target = wide_.path("\xE5\xAF\xBC\xE5\x87\xBA");  // 导出
    DialogAnswer save(target);
    {
        DialogWatch watch(save);
        click_list(row_point(0), true);
    }
    ASSERT_EQ(save.shown, 1);
    std::string exported;
    ASSERT_TRUE(read_whole_file(target + ".txt", exported));
    EXPECT_EQ(exported.substr(4, 2), "AB");

    // And the open dialog picks a file there.
    const std::string other = wide_.write("other.dll", config_bytes());
    DialogAnswer pick(other);
    {
        DialogWatch watch(pick);
        PostMessageW(control(ControlId::icon), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
        pump();
    }
    EXPECT_EQ(pick.shown, 1);
    EXPECT_EQ(shell().form.file.path, other);
    EXPECT_EQ(row_count(), 3);
}

TEST_F(UnicodeTest, TheProgramStartedFromSuchAFolderFindsItsReferenceFile) {
    wide_.write("ziz_ivi.ini", "[\xD5\xFB\xC0\xED]\r\nID=\xCD\xF5\r\n[C-PND]\r\n30=\xBF\xAA\xBB\xFA\r\n");  // [整理] ID=王, 30=开机
    start_in(wide_.path());
    ASSERT_TRUE(shell().form.has_reference_file);
    drop_files({wide_.write("NaviConfig.dll", config_bytes())}, true);
    EXPECT_EQ(cell(0, 2), "\xBF\xAA\xBB\xFA");
}

TEST_F(UnicodeTest, TypedTextReachesTheFileAsGbkOrNotAtAll) {
    start();
    const std::string path = wide_.write("NaviConfig.dll", config_bytes());
    drop_files({path}, true);

    write_row(0, L"\x4E2D\x6587");  // 中文
    EXPECT_EQ(hint(), kDone);
    EXPECT_EQ(cell(0, 1), "\xD6\xD0\xCE\xC4");

    for (const std::wstring& typed : {std::wstring(L"\xD55C"), std::wstring(L"a\xD83D\xDE00")}) {  // 한, a😀
        const std::string before = wide_.read("NaviConfig.dll");
        write_row(0, typed);
        EXPECT_EQ(hint(), kUnwritable);
        EXPECT_EQ(wide_.read("NaviConfig.dll"), before);
    }

    // A value that is no GBK text, clicked and written back unedited, keeps its bytes.
    const std::string before = wide_.read("NaviConfig.dll");
    click_list(row_point(1));
    press(value_box(), VK_RETURN);
    SetFocus(value_box());
    press(value_box(), VK_RETURN);
    EXPECT_EQ(hint(), kDone);
    EXPECT_EQ(wide_.read("NaviConfig.dll"), before);
}

}  // namespace
