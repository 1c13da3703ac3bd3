#pragma once
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "app/form/form_view.h"

using ControlHandles = std::array<HWND, kControlCount>;

// The handlers' view of the main window, served by the real controls. The window speaks
// UTF-16; texts cross to and from the files' GBK with code page 936 named, so they look
// the same under every system code page.
class Win32View : public FormView {
public:
    explicit Win32View(const ControlHandles& controls) : controls_(controls) {}

    std::string text(ControlId control) override;
    void set_text(ControlId control, const std::string& text) override;
    bool text_outside_gbk(ControlId control) override;
    void focus(ControlId control) override;
    void show_current_file(const std::string& path) override;

    void clear_rows() override;
    int row_count() override;
    void append_row(const std::string& address, const std::string& value) override;
    std::string cell(int row, int column) override;
    void set_cell(int row, int column, const std::string& text) override;
    int selected_row() override;
    void select_row(int row) override;
    void scroll_to_row(int row) override;

    void show_progress(bool shown) override;
    void set_progress(std::int64_t done, std::int64_t total) override;

    std::string ask_open_path() override;
    std::string ask_save_path() override;

    void let_events_run() override;

private:
    HWND handle(ControlId id) const { return controls_[index_of(id)]; }
    HWND list() const { return handle(ControlId::record_list); }

    const ControlHandles& controls_;
    // The bytes of every cell as the file gave them: the list cannot be edited, and a value
    // that is no GBK text has no exact UTF-16 form to be read back from.
    std::vector<std::array<std::string, 3>> cells_;
    // The bytes last put into the value box: a value written back unedited is written as
    // these bytes, even where they are not valid GBK and so have no exact UTF-16 form.
    std::string value_box_bytes_;
    std::wstring value_box_shown_;
    int progress_range_ = -1;
    int progress_position_ = -1;
};
