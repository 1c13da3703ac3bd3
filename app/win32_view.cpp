#include "app/win32_view.h"

#include <algorithm>

#include "app/controls.h"
#include "app/file_dialogs.h"
#include "app/message_loop.h"
#include "ops/hints.h"
#include "platform/windows_text.h"

namespace {
// A common progress bar keeps its range and position within a 16-bit word.
constexpr std::int64_t kProgressLimit = 32767;

int bar_units(std::int64_t passes) { return static_cast<int>(std::clamp<std::int64_t>(passes / 2, 0, kProgressLimit)); }
}  // namespace

std::string Win32View::text(ControlId control) {
    const std::wstring shown = window_text(handle(control));
    if (control == ControlId::value_box && shown == value_box_shown_) return value_box_bytes_;
    std::string gbk;
    wide_to_gbk(shown, gbk);
    return gbk;
}

bool Win32View::text_outside_gbk(ControlId control) {
    const std::wstring shown = window_text(handle(control));
    if (control == ControlId::value_box && shown == value_box_shown_) return false;
    std::string gbk;
    return !wide_to_gbk(shown, gbk);
}

void Win32View::set_text(ControlId control, const std::string& text) {
    const std::wstring shown = gbk_to_wide(text);
    if (control == ControlId::value_box) {
        value_box_bytes_ = text;
        value_box_shown_ = shown;
    }
    set_window_text(handle(control), shown);
}

void Win32View::focus(ControlId control) { SetFocus(handle(control)); }

void Win32View::show_current_file(const std::string& path) {
    status_bar::set_text(handle(ControlId::status_bar), 0, gbk_to_wide(hint::kCurrentFile) + utf8_to_wide(path));
}

void Win32View::clear_rows() {
    list_view::delete_all_rows(list());
    cells_.clear();
}

int Win32View::row_count() { return list_view::row_count(list()); }

void Win32View::append_row(const std::string& address, const std::string& value) {
    const int row = list_view::row_count(list());
    list_view::append_row(list(), gbk_to_wide(address));
    list_view::set_cell(list(), row, 1, gbk_to_wide(value));
    cells_.resize(static_cast<std::size_t>(row) + 1);
    cells_[static_cast<std::size_t>(row)] = {address, value, {}};
}

std::string Win32View::cell(int row, int column) {
    if (row < 0 || row >= row_count() || column < 0 || column > 2) return {};
    if (static_cast<std::size_t>(row) < cells_.size()) return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    std::string gbk;
    wide_to_gbk(list_view::cell(list(), row, column), gbk);
    return gbk;
}

void Win32View::set_cell(int row, int column, const std::string& text) {
    if (row < 0 || row >= row_count() || column < 0 || column > 2) return;
    list_view::set_cell(list(), row, column, gbk_to_wide(text));
    if (static_cast<std::size_t>(row) < cells_.size()) cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = text;
}

int Win32View::selected_row() { return list_view::first_selected(list()); }

void Win32View::select_row(int row) { list_view::select_only(list(), row); }

void Win32View::scroll_to_row(int row) { list_view::ensure_visible(list(), row); }

void Win32View::show_progress(bool shown) {
    const HWND bar = handle(ControlId::progress_bar);
    ShowWindow(bar, shown ? SW_SHOWNA : SW_HIDE);
    if (shown) UpdateWindow(bar);
    progress_range_ = progress_position_ = -1;
}

// The bar counts two passes a step and stops at its 16-bit limit.
void Win32View::set_progress(std::int64_t done, std::int64_t total) {
    const HWND bar = handle(ControlId::progress_bar);
    const int range = bar_units(total);
    const int position = bar_units(done);
    if (range != progress_range_) progress_bar::set_range(bar, progress_range_ = range);
    if (position != progress_position_) progress_bar::set_position(bar, progress_position_ = position);
}

std::string Win32View::ask_open_path() { return ask_file_to_open(GetParent(list())); }

std::string Win32View::ask_save_path() { return ask_file_to_save(GetParent(list())); }

void Win32View::let_events_run() { process_pending_messages(); }
