#include "app/dpi_layout.h"

#include "app/control_table.h"
#include "app/controls.h"
#include "app/shell.h"

namespace {

constexpr int kRowHeight = 20;
constexpr int kValueColumnWidthWithComments = 130;
constexpr int kCommentColumnWidth = 373;

// The system's GUI font grown with the DPI; at 96 DPI the stock font itself.
HFONT scaled_gui_font(UINT dpi) {
    if (dpi == USER_DEFAULT_SCREEN_DPI) return nullptr;
    LOGFONTW font{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    font.lfHeight = MulDiv(font.lfHeight, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
    font.lfWidth = 0;
    return CreateFontIndirectW(&font);
}

HFONT make_font(const FontChoice& choice, UINT dpi) {
    if (choice.height == 0) return scaled_gui_font(dpi);
    // A negative height asks for the character height rather than the cell height.
    return CreateFontW(-scaled(choice.height, dpi), 0, 0, 0, choice.weight, FALSE, FALSE, FALSE, choice.charset,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, kFontFace);
}

}  // namespace

int scaled(int pixels, UINT dpi) { return MulDiv(pixels, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI); }

void size_list_columns(Shell& shell) {
    const HWND list = shell.control(ControlId::record_list);
    list_view::set_column_width(list, 0, scaled(kListColumns[0].width, shell.dpi));
    const int value_width = shell.form.has_reference_file ? kValueColumnWidthWithComments : kListColumns[1].width;
    list_view::set_column_width(list, 1, scaled(value_width, shell.dpi));
    if (shell.form.has_reference_file) list_view::set_column_width(list, 2, scaled(kCommentColumnWidth, shell.dpi));
}

void apply_dpi(Shell& shell, UINT dpi, const RECT* suggested) {
    shell.dpi = dpi;
    for (const ControlEntry& entry : kControlTable) {
        const std::size_t i = index_of(entry.id);
        const HWND control = shell.controls[i];
        if (!control) continue;
        shell.fonts[i] = FontHandle(make_font(entry.font, dpi));
        const HGDIOBJ font = shell.fonts[i].get() ? static_cast<HGDIOBJ>(shell.fonts[i].get()) : GetStockObject(DEFAULT_GUI_FONT);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        SetWindowPos(control, nullptr, scaled(entry.left, dpi), scaled(entry.top, dpi), scaled(entry.width, dpi),
                     scaled(entry.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    size_list_columns(shell);
    shell.row_images.reset(ImageList_Create(1, scaled(kRowHeight, dpi), ILC_COLOR32, 0, 0));
    list_view::set_small_images(shell.control(ControlId::record_list), shell.row_images.get());
    const HWND status = shell.control(ControlId::status_bar);
    status_bar::set_parts(status, {scaled(kStatusPartWidth, dpi)});

    if (suggested) {
        SetWindowPos(shell.window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        SetWindowPos(shell.window, nullptr, 0, 0, scaled(kFormWidth, dpi), scaled(kFormHeight, dpi),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // The status bar docks itself to the client area it is told about.
    SendMessageW(status, WM_SIZE, 0, 0);
    InvalidateRect(shell.window, nullptr, TRUE);
}
