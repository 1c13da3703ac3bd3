#include "app/controls.h"

#include <algorithm>

namespace {
LRESULT send(HWND window, UINT message, WPARAM w = 0, LPARAM l = 0) { return SendMessageW(window, message, w, l); }
}  // namespace

std::wstring window_text(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void set_window_text(HWND window, const std::wstring& text) { SetWindowTextW(window, text.c_str()); }

void set_topmost(HWND window, bool topmost) {
    SetWindowPos(window, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

namespace list_view {

int row_count(HWND list) { return static_cast<int>(send(list, LVM_GETITEMCOUNT)); }

void delete_all_rows(HWND list) { send(list, LVM_DELETEALLITEMS); }

void append_row(HWND list, const std::wstring& first_cell) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row_count(list);
    item.pszText = const_cast<wchar_t*>(first_cell.c_str());
    send(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

std::wstring cell(HWND list, int row, int column) {
    if (row < 0 || row >= row_count(list)) return {};
    // The control copies at most the buffer's size and says how much it copied: grow
    // the buffer until the text fits with room to spare.
    for (std::size_t size = 256;; size *= 4) {
        std::wstring text(size, L'\0');
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(size);
        const auto copied = static_cast<std::size_t>(send(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item)));
        if (copied + 1 < size || size >= (1u << 24)) {
            text.resize(std::min(copied, size));
            return text;
        }
    }
}

void set_cell(HWND list, int row, int column, const std::wstring& text) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    send(list, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

int first_selected(HWND list) { return static_cast<int>(send(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)); }

void select_only(HWND list, int row) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    if (row < 0) {
        send(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
        return;
    }
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    send(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

void ensure_visible(HWND list, int row) { send(list, LVM_ENSUREVISIBLE, row, FALSE); }

void insert_column(HWND list, int index, const std::wstring& caption, int width, int format) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = format;
    column.cx = width;
    column.pszText = const_cast<wchar_t*>(caption.c_str());
    send(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
}

void set_column_width(HWND list, int column, int width) { send(list, LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0)); }

void set_extended_style(HWND list, DWORD style) { send(list, LVM_SETEXTENDEDLISTVIEWSTYLE, style, style); }

void set_small_images(HWND list, HIMAGELIST images) {
    send(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
}

}  // namespace list_view

namespace status_bar {

void set_parts(HWND bar, const std::vector<int>& right_edges) {
    send(bar, SB_SETPARTS, right_edges.size(), reinterpret_cast<LPARAM>(right_edges.data()));
}

void set_text(HWND bar, int part, const std::wstring& text) {
    send(bar, SB_SETTEXTW, part, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace status_bar

namespace progress_bar {

void set_range(HWND bar, int maximum) { send(bar, PBM_SETRANGE32, 0, maximum); }

void set_position(HWND bar, int position) { send(bar, PBM_SETPOS, position); }

}  // namespace progress_bar

namespace edit_box {

void remove_length_limit(HWND box) { send(box, EM_SETLIMITTEXT, 0); }

void put_caret_at_end(HWND box) {
    // A position past the end means the end, whatever the text's length.
    constexpr int kPastTheEnd = 0x7FFFFFFE;
    send(box, EM_SETSEL, kPastTheEnd, kPastTheEnd);
    send(box, EM_SCROLLCARET);
}

}  // namespace edit_box
