#include "app/win32_window.h"

#include "app/controls.h"
#include "app/file_dialogs.h"
#include "app/message_loop.h"

namespace {

ControlId control_id(Control control) {
    switch (control) {
    case Control::EditBox1: return ControlId::EditBox1;
    case Control::EditBox2: return ControlId::EditBox2;
    case Control::Label1: return ControlId::Label1;
    case Control::StatusBar1: return ControlId::StatusBar1;
    case Control::ListView1: return ControlId::ListView1;
    }
    return ControlId::Label1;
}

// GetPrivateProfileStringA's buffer: longer values are cut to one byte less.
constexpr DWORD kProfileBufferSize = 10240;

}  // namespace

std::string Win32Window::text(Control control) {
    const HWND window = handle(control_id(control));
    return control == Control::StatusBar1 ? status_bar::text(window, 0) : window_text(window);
}

void Win32Window::set_text(Control control, const std::string& text) {
    const HWND window = handle(control_id(control));
    if (control == Control::StatusBar1) {
        status_bar::set_text(window, 0, text);
    } else {
        set_window_text(window, text);
    }
}

void Win32Window::focus(Control control) { SetFocus(handle(control_id(control))); }

void Win32Window::clear_rows() { list_view::delete_all_rows(list()); }

int Win32Window::row_count() { return list_view::row_count(list()); }

void Win32Window::append_row(const std::string& address, const std::string& value) {
    const int row = list_view::row_count(list());
    list_view::append_row(list(), address);
    list_view::set_cell(list(), row, 1, value);
}

std::string Win32Window::cell(int row, int column) { return list_view::cell(list(), row, column); }

void Win32Window::set_cell(int row, int column, const std::string& text) {
    if (row >= 0 && row < row_count()) list_view::set_cell(list(), row, column, text);
}

int Win32Window::selected_row() { return list_view::first_selected(list()); }

void Win32Window::select_row(int row) { list_view::select_only(list(), row); }

void Win32Window::scroll_to_row(int row) { list_view::ensure_visible(list(), row); }

void Win32Window::show_progress(bool shown) {
    const HWND bar = handle(ControlId::ProcessBar1);
    ShowWindow(bar, shown ? SW_SHOWNA : SW_HIDE);
    if (shown) UpdateWindow(bar);
}

void Win32Window::set_progress_range(int maximum) { progress_bar::set_range(handle(ControlId::ProcessBar1), maximum); }

void Win32Window::set_progress(int position) { progress_bar::set_position(handle(ControlId::ProcessBar1), position); }

std::string Win32Window::ask_open_path() { return ask_file_to_open(GetParent(list())); }

std::string Win32Window::ask_save_path() { return ask_file_to_save(GetParent(list())); }

void Win32Window::let_events_run() { process_pending_messages(); }

std::string Win32Profile::read(const std::string& file, const std::string& section, const std::string& key) {
    std::string value(kProfileBufferSize, '\0');
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", value.data(), kProfileBufferSize, file.c_str());
    value.resize(length);
    return value;
}
