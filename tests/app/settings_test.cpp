// The settings of ziz_ivi.ini: read at start-up, the position written back on closing.
#include <string>

#include "shell_fixture.h"

#include "app/main_window_events.h"

namespace {

POINT position_of(HWND form) {
    RECT rect;
    GetWindowRect(form, &rect);
    return {rect.left, rect.top};
}

bool topmost(HWND form) { return (GetWindowLongA(form, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

std::string settings(const std::string& on_top, const std::string& x, const std::string& y) {
    return "[整理]\r\nID=王\r\n[程序设置]\r\n是否总在最前面=" + on_top + "\r\n界面位置X=" + x + "\r\n界面位置Y=" + y + "\r\n";
}

using SettingsTest = ShellTest;

TEST_F(SettingsTest, StartUpAppliesTopmostAndPosition) {
    start_with_ini(settings("否", "100", "50"));
    EXPECT_FALSE(topmost(form()));
    const POINT at = position_of(form());
    EXPECT_EQ(at.x, 100);
    EXPECT_EQ(at.y, 50);
    EXPECT_EQ(file_bytes(ini_path()), settings("\xB7\xF1", "100", "50"));  // 否 is kept
}

// The same reading, case by case, on the one window: back on top and centred before each.
TEST_F(SettingsTest, SettingsReadAsTheyAreWritten) {
    struct Case {
        std::string on_top, x, y;
        bool topmost;
        LONG left, top;
        std::string on_top_after;
    };
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const LONG kRightmost = work.right - kFormWidth;
    const Case cases[] = {
        {"是", "0", "0", true, 0, 0, "是"},
        {"no", "10", "20", true, 10, 20, "是"},
        {"0", "10", "20", true, 10, 20, "是"},
        {"否否", "10", "20", true, 10, 20, "是"},
        {"否", "\xA3\xB1\xA3\xB2\xA3\xB0", "\xA3\xAD\xA3\xB5", false, 120, -5, "否"},  // full-width 120 and -5
        {"否", "150px", "x150", false, 150, 0, "否"},
        // Clamped to 32627 and -32627, outside every monitor: wholly inside the nearest
        // one's work area instead, here the top right corner of the only one.
        {"否", "40000", "-40000", false, kRightmost, work.top, "否"},
        {"否", "1e12", "-4294967296", false, kRightmost, work.top, "否"},
        // Partly visible: kept where it was saved.
        {"否", "900", "700", false, 900, 700, "否"},
        {"否", "-200", "-300", false, -200, -300, "否"},
        {"否", "12.9", "-7.9", false, 12, -7, "否"},
        {"否", "", "abc", false, 0, 0, "否"},
    };
    start();
    const std::string ini = ini_path();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.on_top + " " + c.x + " " + c.y);
        folder_.write("ziz_ivi.ini", settings(c.on_top, c.x, c.y));
        SetWindowPos(form(), HWND_TOPMOST, 212, 166, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
        load_settings(shell());
        EXPECT_EQ(topmost(form()), c.topmost);
        const POINT at = position_of(form());
        EXPECT_EQ(at.x, c.left);
        EXPECT_EQ(at.y, c.top);
        EXPECT_EQ(file_bytes(ini), settings(c.on_top_after, c.x, c.y));
    }
}

TEST_F(SettingsTest, FirstStartWithOnlyCommentsOpensAtTheCornerAndRecordsTopmost) {
    const std::string comments = "[C-PND]\r\n30=注释\r\n";
    start_with_ini(comments);
    EXPECT_TRUE(topmost(form()));
    const POINT at = position_of(form());
    EXPECT_EQ(at.x, 0);
    EXPECT_EQ(at.y, 0);
    EXPECT_EQ(file_bytes(ini_path()), comments + "[程序设置]\r\n是否总在最前面=是\r\n");

    SetWindowPos(form(), nullptr, 37, 21, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(form(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(run_loop_until_quit(), 0);
    EXPECT_EQ(file_bytes(ini_path()), comments + "[程序设置]\r\n是否总在最前面=是\r\n界面位置X=37\r\n界面位置Y=21\r\n");
}

TEST_F(SettingsTest, EscSavesThePositionExactlyAsTheCloseButton) {
    const std::string expected = settings("否", "123", "-45");
    for (const bool with_esc : {true, false}) {
        SCOPED_TRACE(with_esc ? "Esc" : "close button");
        start_with_ini(settings("否", "300", "200"));
        SetWindowPos(form(), nullptr, 123, -45, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (with_esc) {
            const HWND box = control(ControlId::value_box);
            SetFocus(box);
            PostMessageA(box, WM_KEYDOWN, VK_ESCAPE, 1);
        } else {
            PostMessageA(form(), WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        EXPECT_EQ(run_loop_until_quit(), 0);
        EXPECT_FALSE(IsWindow(form()));
        EXPECT_EQ(file_bytes(ini_path()), expected);
    }
}

TEST_F(SettingsTest, MinimisedWindowSavesItsLastNormalPosition) {
    start_with_ini(settings("否", "210", "130"));
    ShowWindow(form(), SW_MINIMIZE);
    pump();
    ASSERT_TRUE(IsIconic(form()));
    SendMessageA(form(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(run_loop_until_quit(), 0);
    EXPECT_EQ(file_bytes(ini_path()), settings("否", "210", "130"));
}

TEST_F(SettingsTest, WithoutSettingsFileNothingIsReadOrWritten) {
    start();
    EXPECT_TRUE(topmost(form()));
    SendMessageA(form(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(run_loop_until_quit(), 0);
    EXPECT_FALSE(exists(ini_path()));
}

TEST_F(SettingsTest, SettingsFileDeletedMeanwhileGetsOnlyThePosition) {
    start_with_ini(settings("否", "64", "32"));
    ASSERT_TRUE(DeleteFileA(ini_path().c_str()));
    SendMessageA(form(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(run_loop_until_quit(), 0);
    EXPECT_EQ(file_bytes(ini_path()), "[程序设置]\r\n界面位置X=64\r\n界面位置Y=32\r\n");
}

}  // namespace
