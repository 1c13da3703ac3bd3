// MainForm and its controls as the live window shows them, and the keys of the form.
#include "shell_fixture.h"

#include <commctrl.h>

#include <array>
#include <vector>

#include "app/controls.h"
#include "app/picture_box.h"

namespace {

// A few rectangles that pin the layout at 96 DPI, in the form's client area; the rest of
// the layout is checked against the control table at every DPI by the layout test.
struct PinnedRect {
    ControlId id;
    RECT rect;  // left, top, right, bottom
};
const PinnedRect kPinned[] = {
    {ControlId::value_box, {74, 7, 586, 37}},
    {ControlId::record_list, {0, 75, 594, 388}},
    {ControlId::hint_line, {180, 45, 590, 67}},
    {ControlId::icon, {5, 5, 65, 65}},
};

LOGFONTA font_of(HWND control) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

LONG style_of(HWND window) { return GetWindowLongA(window, GWL_STYLE); }
LONG ex_style_of(HWND window) { return GetWindowLongA(window, GWL_EXSTYLE); }

struct Column {
    std::string caption;
    int width;
    int format;
};

std::vector<Column> columns_of(HWND list) {
    std::vector<Column> columns;
    const HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    const int count = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char caption[256] = {};
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.pszText = caption;
        column.cchTextMax = sizeof caption;
        SendMessageA(list, LVM_GETCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
        columns.push_back({caption, column.cx, column.fmt & LVCFMT_JUSTIFYMASK});
    }
    return columns;
}

std::pair<int, int> selection_of(HWND box) {
    DWORD start = 0, end = 0;
    SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}

int text_end_of(HWND box) { return static_cast<int>(SendMessageA(box, EM_LINELENGTH, 0, 0)); }

using WindowTest = ShellTest;

TEST_F(WindowTest, ControlsAreTheTablesRowsAndStandInTheirPlaces) {
    start();
    HWND child = GetWindow(form(), GW_CHILD);
    for (const ControlEntry& entry : kControlTable) {
        SCOPED_TRACE(index_of(entry.id));
        ASSERT_EQ(child, control(entry.id)) << "created in the table's order, which is the z-order";
        wchar_t class_name[64] = {};
        GetClassNameW(child, class_name, 64);
        EXPECT_EQ(lstrcmpiW(class_name, entry.class_name), 0);
        EXPECT_EQ(IsWindowVisible(child) != 0, entry.visible);
        EXPECT_EQ((style_of(child) & WS_TABSTOP) != 0, entry.tab_stop);
        if (entry.id != ControlId::status_bar) {
            EXPECT_EQ(text_of(child), gbk_of(entry.caption));
        }
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr) << "no control beyond the table";
    for (const PinnedRect& pinned : kPinned) {
        SCOPED_TRACE(index_of(pinned.id));
        const RECT at = client_rect_of(control(pinned.id));
        EXPECT_EQ(at.left, pinned.rect.left);
        EXPECT_EQ(at.top, pinned.rect.top);
        EXPECT_EQ(at.right, pinned.rect.right);
        EXPECT_EQ(at.bottom, pinned.rect.bottom);
    }
    EXPECT_EQ(text_of(control(ControlId::hint_line)),
              "\xCC\xE1\xCA\xBE:\xCF\xC8\xBD\xAB\xCE\xC4\xBC\xFE\xCD\xCF\xB7\xC5\xB5\xBD\xD7\xF3\xB2\xE0\xCD\xBC\xB1\xEA\xC9\xCF"
              "(NaviConfig.dll\xBB\xF2NaviOneSCH.dll)!");
    EXPECT_STRNE(font_of(control(ControlId::record_list)).lfFaceName, "\xCB\xCE\xCC\xE5") << "the system's GUI font";
    EXPECT_EQ(font_of(control(ControlId::value_box)).lfCharSet, GB2312_CHARSET);
}

TEST_F(WindowTest, ControlsCarryTheirSettings) {
    start();
    const HWND value_box = control(ControlId::value_box);
    const HWND offset_box = control(ControlId::offset_box);
    EXPECT_EQ(style_of(value_box) & (ES_CENTER | ES_RIGHT | ES_MULTILINE | ES_NOHIDESEL), 0);
    EXPECT_EQ(style_of(offset_box) & (ES_CENTER | ES_MULTILINE | ES_NOHIDESEL), ES_CENTER);
    for (HWND box : {value_box, offset_box}) {
        EXPECT_TRUE(ex_style_of(box) & WS_EX_STATICEDGE);
        EXPECT_GE(SendMessageA(box, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE) << "no length limit";
    }

    const HWND list = control(ControlId::record_list);
    EXPECT_EQ(style_of(list) & (LVS_TYPEMASK | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | LVS_EDITLABELS | WS_BORDER),
              LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER);
    const auto extended = static_cast<DWORD>(SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    EXPECT_EQ(extended & (LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_HEADERDRAGDROP | LVS_EX_CHECKBOXES |
                          LVS_EX_TRACKSELECT | LVS_EX_ONECLICKACTIVATE),
              static_cast<DWORD>(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_HEADERDRAGDROP));
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), -1);

    const HWND bar = control(ControlId::progress_bar);
    EXPECT_EQ(style_of(bar) & (PBS_SMOOTH | PBS_VERTICAL | WS_BORDER), WS_BORDER);
    EXPECT_EQ(SendMessageA(bar, PBM_GETRANGE, TRUE, 0), 0);
    EXPECT_EQ(SendMessageA(bar, PBM_GETRANGE, FALSE, 0), 100);
    EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), 0);

    const HWND status = control(ControlId::status_bar);
    EXPECT_EQ(style_of(status) & SBARS_SIZEGRIP, 0);
    int edges[4] = {};
    EXPECT_EQ(SendMessageA(status, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 1);
    EXPECT_EQ(edges[0], 592);
    char status_text[64] = {};
    SendMessageA(status, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(status_text));
    EXPECT_STREQ(status_text, "Build by Bexmoor");

    EXPECT_EQ(style_of(control(ControlId::hint_line)) & SS_TYPEMASK, SS_OWNERDRAW);
    const HWND picture_box = control(ControlId::icon);
    EXPECT_TRUE(ex_style_of(picture_box) & WS_EX_DLGMODALFRAME);
    EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(picture_box, GCLP_HCURSOR)),
              LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
    ASSERT_NE(shell().picture.get(), nullptr) << "the JPEG resource loads";
    const SIZE size = picture_size(shell().picture.get(), GetDpiForWindow(form()));
    EXPECT_EQ(size.cx, 60);
    EXPECT_EQ(size.cy, 60);
}

TEST(PicturePlace, CentresAndShrinksOnlyWhatIsLarger) {
    struct Case {
        SIZE picture;
        RECT box;
        RECT want;
    };
    const Case cases[] = {
        {{60, 60}, {0, 0, 60, 60}, {0, 0, 60, 60}},
        {{40, 20}, {0, 0, 54, 54}, {7, 17, 47, 37}},
        {{60, 60}, {0, 0, 54, 54}, {0, 0, 54, 54}},
        {{120, 60}, {0, 0, 54, 54}, {0, 13, 54, 40}},
        {{30, 90}, {0, 0, 54, 54}, {18, 0, 36, 54}},
    };
    for (const Case& c : cases) {
        const RECT got = picture_place(c.picture, c.box);
        EXPECT_EQ(got.left, c.want.left);
        EXPECT_EQ(got.top, c.want.top);
        EXPECT_EQ(got.right, c.want.right);
        EXPECT_EQ(got.bottom, c.want.bottom);
    }
}

TEST_F(WindowTest, FormIsCentredFixedAndOnTop) {
    start();
    EXPECT_EQ(text_of(form()), "Tarvello build 2011/04/26");
    RECT outer;
    GetWindowRect(form(), &outer);
    EXPECT_EQ(outer.right - outer.left, 600);
    EXPECT_EQ(outer.bottom - outer.top, 435);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 600) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 435) / 2);
    EXPECT_TRUE(ex_style_of(form()) & WS_EX_TOPMOST);
    EXPECT_EQ(style_of(form()) & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME | WS_CHILD),
              WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
    EXPECT_TRUE(IsWindowVisible(form()));
    EXPECT_EQ(GetClassLongPtrA(form(), GCLP_HBRBACKGROUND), COLOR_BTNFACE + 1);
    EXPECT_NE(GetClassLongPtrA(form(), GCLP_HICON), 0) << "the program's icon";
}

TEST_F(WindowTest, WithoutSettingsFileTheListHasTwoColumns) {
    start();
    const std::vector<Column> columns = columns_of(control(ControlId::record_list));
    ASSERT_EQ(columns.size(), 2u);
    EXPECT_EQ(columns[0].caption, "\xB5\xD8\xD6\xB7(16h)");  // 地址(16h)
    EXPECT_EQ(columns[0].width, 70);
    EXPECT_EQ(columns[0].format, LVCFMT_LEFT);
    EXPECT_EQ(columns[1].caption, "值");
    EXPECT_EQ(columns[1].width, 503);
    EXPECT_EQ(columns[1].format, LVCFMT_CENTER);
    EXPECT_FALSE(shell().form.has_reference_file);
}

TEST_F(WindowTest, SettingsFileAddsTheCommentColumnNamedAfterItsCompiler) {
    struct Case {
        std::string ini;
        std::string caption;
    };
    const Case cases[] = {
        {"[整理]\r\nID=王工\r\n", "\xD7\xA2\xCA\xCD (\xCD\xF5\xB9\xA4)"},  // 注释 (王工)
        {"[整理]\r\nid=Wang\r\n", "注释 (Wang)"},
        {"[整理]\r\nID=\r\n", "注释"},
        {"[C-PND]\r\n30=x\r\n", "注释"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ini);
        start_with_ini(c.ini);
        const std::vector<Column> columns = columns_of(control(ControlId::record_list));
        ASSERT_EQ(columns.size(), 3u);
        EXPECT_EQ(columns[1].width, 130);
        EXPECT_EQ(columns[2].caption, c.caption);
        EXPECT_EQ(columns[2].width, 373);
        EXPECT_EQ(columns[2].format, LVCFMT_LEFT);
        EXPECT_TRUE(shell().form.has_reference_file);
        TearDown();
    }
}

// The list takes its row height from an empty image list of 1 x 20 images. The control
// pads the tallest of font and image by a pixel (Wine does, and so do Windows' common
// controls), so a row is 20 pixels plus that padding; without the images it would follow
// the much smaller GUI font.
TEST_F(WindowTest, RowsTakeTheirHeightFromTheRowImageList) {
    for (const bool with_ini : {false, true}) {
        SCOPED_TRACE(with_ini);
        if (with_ini) {
            start_with_ini("[整理]\r\nID=x\r\n");
        } else {
            start();
        }
        const HWND list = control(ControlId::record_list);
        const auto images = reinterpret_cast<HIMAGELIST>(SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
        ASSERT_NE(images, nullptr);
        EXPECT_EQ(images, shell().row_images.get());
        int width = 0, height = 0;
        ImageList_GetIconSize(images, &width, &height);
        EXPECT_EQ(width, 1);
        EXPECT_EQ(height, 20);
        EXPECT_EQ(ImageList_GetImageCount(images), 0);

        shell().view.append_row("30", "v");
        RECT row{};
        row.left = LVIR_BOUNDS;
        SendMessageA(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
        EXPECT_GE(row.bottom - row.top, 20);
        EXPECT_LE(row.bottom - row.top, 21);
        TearDown();
    }
}

TEST_F(WindowTest, EscClosesWhicheverControlHasTheFocus) {
    for (const ControlId focused : {ControlId::value_box, ControlId::offset_box, ControlId::record_list}) {
        SCOPED_TRACE(static_cast<int>(focused));
        start();
        SetFocus(control(focused));
        ASSERT_EQ(GetFocus(), control(focused));
        PostMessageA(control(focused), WM_KEYDOWN, VK_ESCAPE, 1);
        EXPECT_EQ(run_loop_until_quit(), 0);
        EXPECT_FALSE(IsWindow(form()));
    }
}

TEST_F(WindowTest, TabMovesOnlyBetweenTheListAndTheOffsetBox) {
    start();
    const HWND list = control(ControlId::record_list);
    const HWND offset_box = control(ControlId::offset_box);
    SetFocus(list);
    press(list, VK_TAB);
    EXPECT_EQ(GetFocus(), offset_box);
    press(offset_box, VK_TAB);
    EXPECT_EQ(GetFocus(), list);
    SetFocus(control(ControlId::value_box));
    press(control(ControlId::value_box), VK_TAB);
    EXPECT_EQ(GetFocus(), list);

    // Windows' dialog keys ask the form to move the focus (Wine's move it themselves).
    SetWindowTextA(offset_box, "1A");
    SendMessageA(form(), WM_NEXTDLGCTL, 0, 0);
    EXPECT_EQ(GetFocus(), offset_box);
    DWORD start = 0, end = 0;
    SendMessageA(offset_box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 2u);
    EXPECT_EQ(end, 2u);
    SendMessageA(form(), WM_NEXTDLGCTL, 0, 0);
    EXPECT_EQ(GetFocus(), list);
}

TEST_F(WindowTest, FocusPutsTheCaretAfterTheLastCharacter) {
    start();
    const HWND list = control(ControlId::record_list);
    const HWND value_box = control(ControlId::value_box);
    const HWND offset_box = control(ControlId::offset_box);
    SetWindowTextA(offset_box, "9C70");
    SetWindowTextA(value_box, "凯立德 value");
    SendMessageA(offset_box, EM_SETSEL, 0, -1);

    SetFocus(list);
    press(list, VK_TAB);
    ASSERT_EQ(GetFocus(), offset_box);
    EXPECT_EQ(selection_of(offset_box), std::make_pair(4, 4));

    press(offset_box, VK_UP);
    ASSERT_EQ(GetFocus(), value_box);
    const int end = text_end_of(value_box);
    EXPECT_GT(end, 0);
    EXPECT_EQ(selection_of(value_box), std::make_pair(end, end));
}

TEST_F(WindowTest, EnterReachesTheKeyHandlerAndKeepsTheFocus) {
    start();
    const HWND offset_box = control(ControlId::offset_box);
    SetFocus(offset_box);
    SetWindowTextA(offset_box, "30");
    press(offset_box, VK_RETURN);
    EXPECT_EQ(GetFocus(), offset_box);
    EXPECT_EQ(text_of(control(ControlId::hint_line)), "提示:未打开KLD配置文件,请拖放到图标上!");
    EXPECT_EQ(text_of(offset_box), "30") << "no line break typed into the box";
}

}  // namespace

namespace {

// What the dialog showed, read from inside its own modal loop before it is cancelled.
struct DialogSeen {
    std::string title;
    std::string file_name;
    std::vector<std::string> types;
};
DialogSeen seen;

BOOL CALLBACK find_dialog(HWND window, LPARAM found) {
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) != "#32770" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

void CALLBACK read_and_cancel_dialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), find_dialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog) return;
    KillTimer(nullptr, timer);
    seen.title = text_of(dialog);
    constexpr int kFileNameCombo = 0x47C;  // cmb13
    constexpr int kFileNameEdit = 0x480;   // edt1
    constexpr int kTypeCombo = 0x470;      // cmb1
    const HWND name = GetDlgItem(dialog, kFileNameCombo) ? GetDlgItem(dialog, kFileNameCombo) : GetDlgItem(dialog, kFileNameEdit);
    seen.file_name = text_of(name);
    const HWND types = GetDlgItem(dialog, kTypeCombo);
    const int count = static_cast<int>(SendMessageA(types, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char type[256] = {};
        SendMessageA(types, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(type));
        seen.types.push_back(type);
    }
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

void watch_next_dialog() {
    seen = {};
    SetTimer(nullptr, 0, 200, read_and_cancel_dialog);
}

TEST_F(WindowTest, IconClickShowsTheOpenDialogAndExportTheSaveDialog) {
    start();
    watch_next_dialog();
    SendMessageA(control(ControlId::icon), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    EXPECT_EQ(seen.title, "\xD1\xA1\xC8\xA1 Naviconfig.dll \xBB\xF2 NaviOneSCH.dll");  // 选取 ... 或 ...
    EXPECT_EQ(seen.file_name, "");
    EXPECT_EQ(seen.types, (std::vector<std::string>{"NaviConfig.dll", "NaviOneSCH.dll", "全部文件"}));
    EXPECT_EQ(shell().form.file.path, "") << "a cancelled dialog takes nothing in";

    watch_next_dialog();
    EXPECT_EQ(shell().view.ask_save_path(), "");
    EXPECT_EQ(seen.title, "保存编译后的内容为TXT文件");
    EXPECT_EQ(seen.file_name, "kld_dec");
    EXPECT_LE(seen.types.size(), 1u) << "no filter of its own";

    watch_next_dialog();
    shell().view.ask_open_path();
    EXPECT_EQ(seen.title, "选取 Naviconfig.dll 或 NaviOneSCH.dll") << "the open dialog keeps its own settings";
    EXPECT_EQ(seen.file_name, "");
}

TEST_F(WindowTest, ListClickGoesToTheRecordSelection) {
    start();
    shell().view.append_row("30", "COM1:");
    shell().view.append_row("D0", "9600");
    shell().view.select_row(1);
    NMITEMACTIVATE click{};
    click.hdr.hwndFrom = control(ControlId::record_list);
    click.hdr.idFrom = GetDlgCtrlID(control(ControlId::record_list));
    click.hdr.code = NM_CLICK;
    click.iItem = 1;
    SendMessageA(form(), WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(text_of(control(ControlId::offset_box)), "D0");
    EXPECT_EQ(text_of(control(ControlId::value_box)), "9600");
    EXPECT_EQ(text_of(control(ControlId::hint_line)), "提示:修改请在上面编辑框中输入新内容后按回车!");
}

TEST_F(WindowTest, LettingEventsRunLeavesTheQuitForTheMainLoop) {
    start();
    const HWND list = control(ControlId::record_list);
    SetFocus(list);
    PostMessageA(list, WM_KEYDOWN, VK_TAB, 1);
    PostQuitMessage(7);
    shell().view.let_events_run();
    EXPECT_EQ(GetFocus(), control(ControlId::offset_box)) << "the Tab went through the dialog keys";
    EXPECT_TRUE(IsWindow(form()));
    EXPECT_EQ(run_loop_until_quit(), 7);
}

}  // namespace

namespace {

// The list hands a cell back whole however long it is: the control copies only what
// fits its caller's buffer, so the wrapper must grow it.
TEST_F(WindowTest, ListCellsLongerThanTheFirstBufferReadBackWhole) {
    start();
    for (const std::size_t length : {std::size_t{255}, std::size_t{256}, std::size_t{257}, std::size_t{5000}}) {
        SCOPED_TRACE(length);
        std::wstring value;
        for (std::size_t i = 0; i < length; ++i) value += static_cast<wchar_t>(L'a' + i % 26);
        list_view::delete_all_rows(list());
        list_view::append_row(list(), L"30");
        list_view::set_cell(list(), 0, 1, value);
        EXPECT_EQ(list_view::cell(list(), 0, 1), value);
    }
}

}  // namespace
