#pragma once
// What the window's handlers need of the window: the Win32 shell implements it with the
// real controls, the tests in memory. Texts are GBK; paths are UTF-8. Rows and columns
// count from 0.
#include <cstdint>
#include <string>

#include "app/form/control_id.h"

class FormView {
public:
    virtual ~FormView() = default;

    // The text of the value box, the offset box or the hint line.
    virtual std::string text(ControlId control) = 0;
    virtual void set_text(ControlId control, const std::string& text) = 0;
    // Whether the user typed a character that has no GBK form into an edit box.
    virtual bool text_outside_gbk(ControlId control) = 0;
    virtual void focus(ControlId control) = 0;
    // The status bar's first part: "当前文件:" and the path.
    virtual void show_current_file(const std::string& path) = 0;

    virtual void clear_rows() = 0;
    virtual int row_count() = 0;
    virtual void append_row(const std::string& address, const std::string& value) = 0;
    virtual std::string cell(int row, int column) = 0;
    virtual void set_cell(int row, int column, const std::string& text) = 0;
    virtual int selected_row() = 0;  // the first selected row, -1 when none
    virtual void select_row(int row) = 0;
    virtual void scroll_to_row(int row) = 0;

    // Progress of a long task, as done of total; the view scales it to its bar.
    virtual void show_progress(bool shown) = 0;
    virtual void set_progress(std::int64_t done, std::int64_t total) = 0;

    // The file dialogs; an empty path when the user cancels.
    virtual std::string ask_open_path() = 0;
    virtual std::string ask_save_path() = 0;

    // Lets pending window events run, so the window repaints and stays responsive.
    virtual void let_events_run() = 0;
};
