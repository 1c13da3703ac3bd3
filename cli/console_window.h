#pragma once
// The command line's stand-in for MainForm: the same handlers run against boxes and rows
// held in memory, and the export's dialog answers with the path given on the command line.
#include <string>
#include <vector>

#include "config/window.h"

class ConsoleWindow : public Window {
public:
    std::string text(Control control) override { return texts_[static_cast<int>(control)]; }
    void set_text(Control control, const std::string& text) override { texts_[static_cast<int>(control)] = text; }
    void focus(Control) override {}

    void clear_rows() override { rows_.clear(); selected_ = -1; }
    int row_count() override { return static_cast<int>(rows_.size()); }
    void append_row(const std::string& address, const std::string& value) override { rows_.push_back({address, value, {}}); }
    std::string cell(int row, int column) override { return in_range(row, column) ? rows_[row][column] : std::string(); }
    void set_cell(int row, int column, const std::string& text) override {
        if (in_range(row, column)) rows_[row][column] = text;
    }
    int selected_row() override { return selected_; }
    void select_row(int row) override { selected_ = row; }
    void scroll_to_row(int) override {}

    void show_progress(bool) override {}
    void set_progress_range(int) override {}
    void set_progress(int) override {}

    std::string ask_open_path() override { return {}; }
    std::string ask_save_path() override { return {}; }
    void let_events_run() override {}

private:
    bool in_range(int row, int column) const { return row >= 0 && row < static_cast<int>(rows_.size()) && column >= 0 && column < 3; }

    std::string texts_[5];
    std::vector<std::vector<std::string>> rows_;
    int selected_ = -1;
};
