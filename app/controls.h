#pragma once
// One-line wrappers over the controls' messages, so handlers carry no SendMessage casts.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

std::wstring window_text(HWND window);
void set_window_text(HWND window, const std::wstring& text);

// The always-on-top state, without moving, resizing or activating the window.
void set_topmost(HWND window, bool topmost);

namespace list_view {
int row_count(HWND list);
void delete_all_rows(HWND list);
void append_row(HWND list, const std::wstring& first_cell);
std::wstring cell(HWND list, int row, int column);
void set_cell(HWND list, int row, int column, const std::wstring& text);
int first_selected(HWND list);
void select_only(HWND list, int row);  // -1 clears the selection
void ensure_visible(HWND list, int row);
void insert_column(HWND list, int index, const std::wstring& caption, int width, int format);
void set_column_width(HWND list, int column, int width);
void set_extended_style(HWND list, DWORD style);
void set_small_images(HWND list, HIMAGELIST images);
}  // namespace list_view

namespace status_bar {
void set_parts(HWND bar, const std::vector<int>& right_edges);
void set_text(HWND bar, int part, const std::wstring& text);
}  // namespace status_bar

namespace progress_bar {
void set_range(HWND bar, int maximum);
void set_position(HWND bar, int position);
}  // namespace progress_bar

namespace edit_box {
void remove_length_limit(HWND box);
// Caret after the last character, nothing selected, scrolled into view.
void put_caret_at_end(HWND box);
}  // namespace edit_box
