#pragma once
// A window that shows nothing: the handlers' own work is what the benchmarks time.
#include <string>

#include "app/form/form_view.h"
#include "platform/profile_file.h"

class QuietView : public FormView {
public:
    int rows = 0;
    int events_let_run = 0;
    std::string save_answer;

    std::string text(ControlId) override { return {}; }
    void set_text(ControlId, const std::string&) override {}
    bool text_outside_gbk(ControlId) override { return false; }
    void focus(ControlId) override {}
    void show_current_file(const std::string&) override {}
    void clear_rows() override { rows = 0; }
    int row_count() override { return rows; }
    void append_row(const std::string&, const std::string&) override { ++rows; }
    std::string cell(int, int) override { return {}; }
    void set_cell(int, int, const std::string&) override {}
    int selected_row() override { return -1; }
    void select_row(int) override {}
    void scroll_to_row(int) override {}
    void show_progress(bool) override {}
    void set_progress(std::int64_t, std::int64_t) override {}
    std::string ask_open_path() override { return {}; }
    std::string ask_save_path() override { return save_answer; }
    void let_events_run() override { ++events_let_run; }
};

// Every record has a comment, as a full ziz_ivi.ini would give it.
class EveryKeyProfile : public ProfileReader {
public:
    std::string read(const std::string&, const std::string&, const std::string& key) override { return "comment " + key; }
};
