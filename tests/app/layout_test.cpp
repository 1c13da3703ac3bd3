// The window's layout derived from the control table at the DPI the window runs at: every
// rectangle, font, column, row and the status bar's part scaled by DPI/96. The same test
// runs at 96, 144 and 192 DPI (a Wine prefix of its own for each), told which by
// TARVELLO_EXPECT_DPI, so a prefix that silently stayed at 96 fails.
#include "shell_fixture.h"

#include <cstdlib>

#include "app/dpi_layout.h"
#include "app/picture_box.h"

namespace {

LOGFONTW font_of(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

int column_width(HWND list, int column) { return static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0)); }

// Rounding in the controls and the frame may move an edge by a pixel or two.
constexpr int kSlack = 2;

using LayoutTest = ShellTest;

TEST_F(LayoutTest, EverythingIsTheTableScaledByTheWindowsDpi) {
    start_with_ini("[C-PND]\r\n30=x\r\n");
    const UINT dpi = GetDpiForWindow(form());
    if (const char* expected = std::getenv("TARVELLO_EXPECT_DPI")) {
        ASSERT_EQ(dpi, static_cast<UINT>(std::atoi(expected)));
    }

    RECT outer;
    GetWindowRect(form(), &outer);
    EXPECT_NEAR(outer.right - outer.left, scaled(kFormWidth, dpi), kSlack);
    EXPECT_NEAR(outer.bottom - outer.top, scaled(kFormHeight, dpi), kSlack);

    RECT client;
    GetClientRect(form(), &client);
    HWND child = GetWindow(form(), GW_CHILD);
    for (const ControlEntry& entry : kControlTable) {
        SCOPED_TRACE(index_of(entry.id));
        ASSERT_EQ(child, control(entry.id)) << "z-order follows the table";
        const RECT at = client_rect_of(child);
        if (entry.id == ControlId::status_bar) {
            // Docked along the bottom, as wide as the client area.
            EXPECT_EQ(at.left, 0);
            EXPECT_EQ(at.right, client.right);
            EXPECT_EQ(at.bottom, client.bottom);
        } else {
            EXPECT_NEAR(at.left, scaled(entry.left, dpi), kSlack);
            EXPECT_NEAR(at.top, scaled(entry.top, dpi), kSlack);
            EXPECT_NEAR(at.right - at.left, scaled(entry.width, dpi), kSlack);
            EXPECT_NEAR(at.bottom - at.top, scaled(entry.height, dpi), kSlack);
        }
        const LOGFONTW font = font_of(child);
        if (entry.font.height != 0) {
            EXPECT_EQ(std::wstring(font.lfFaceName), kFontFace);
            EXPECT_EQ(font.lfHeight, -scaled(entry.font.height, dpi));
            EXPECT_EQ(font.lfWeight, entry.font.weight);
        }
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr) << "no control beyond the table";

    const HWND records = list();
    EXPECT_EQ(column_width(records, 0), scaled(70, dpi));
    EXPECT_EQ(column_width(records, 1), scaled(130, dpi));
    EXPECT_EQ(column_width(records, 2), scaled(373, dpi));
    int cx = 0, cy = 0;
    ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(SendMessageW(records, LVM_GETIMAGELIST, LVSIL_SMALL, 0)), &cx, &cy);
    EXPECT_EQ(cy, scaled(20, dpi)) << "the rows' height";
    int part = 0;
    SendMessageW(control(ControlId::status_bar), SB_GETPARTS, 1, reinterpret_cast<LPARAM>(&part));
    EXPECT_EQ(part, scaled(592, dpi));
    ASSERT_NE(shell().picture.get(), nullptr);
    EXPECT_EQ(picture_size(shell().picture.get(), dpi).cx, scaled(60, dpi)) << "the picture grows with the layout";
}

// Moving to a monitor of another DPI lays the window out again at the new DPI, in the
// rectangle Windows suggests.
TEST_F(LayoutTest, ADpiChangeLaysTheWindowOutAgain) {
    start();
    const UINT dpi = GetDpiForWindow(form());
    const UINT other = dpi == 192 ? 96 : dpi * 2;
    RECT suggested{40, 30, 40 + scaled(kFormWidth, other), 30 + scaled(kFormHeight, other)};
    SendMessageW(form(), WM_DPICHANGED, MAKEWPARAM(other, other), reinterpret_cast<LPARAM>(&suggested));
    RECT outer;
    GetWindowRect(form(), &outer);
    EXPECT_EQ(outer.left, 40);
    EXPECT_EQ(outer.top, 30);
    EXPECT_EQ(outer.right - outer.left, scaled(kFormWidth, other));
    const RECT value_box = client_rect_of(control(ControlId::value_box));
    EXPECT_NEAR(value_box.left, scaled(74, other), kSlack);
    EXPECT_NEAR(value_box.right - value_box.left, scaled(512, other), kSlack);
    EXPECT_EQ(font_of(control(ControlId::value_box)).lfHeight, -scaled(19, other));
    EXPECT_EQ(column_width(list(), 1), scaled(503, other));
}

}  // namespace
