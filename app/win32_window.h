#pragma once
#include <windows.h>

#include <string>

#include "app/control_table.h"
#include "config/window.h"

// The core's view of MainForm, served by the real controls.
class Win32Window : public Window {
public:
    explicit Win32Window(const ControlHandles& controls) : controls_(controls) {}

    std::string text(Control control) override;
    void set_text(Control control, const std::string& text) override;
    void focus(Control control) override;

    void clear_rows() override;
    int row_count() override;
    void append_row(const std::string& address, const std::string& value) override;
    std::string cell(int row, int column) override;
    void set_cell(int row, int column, const std::string& text) override;
    int selected_row() override;
    void select_row(int row) override;
    void scroll_to_row(int row) override;

    void show_progress(bool shown) override;
    void set_progress_range(int maximum) override;
    void set_progress(int position) override;

    std::string ask_open_path() override;
    std::string ask_save_path() override;

    void let_events_run() override;

private:
    HWND handle(ControlId id) const { return controls_[index_of(id)]; }
    HWND list() const { return handle(ControlId::ListView1); }

    const ControlHandles& controls_;
};

// Private-profile reading through GetPrivateProfileStringA.
class Win32Profile : public ProfileReader {
public:
    std::string read(const std::string& file, const std::string& section, const std::string& key) override;
};
