#pragma once
// The window and the INI reader held in memory, so the core's handlers run natively.
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "config/file_session.h"
#include "config/window.h"

struct MemoryWindow : Window {
    std::map<Control, std::string> texts;
    std::vector<std::vector<std::string>> rows;  // three cells each
    int selected = -1;
    int scrolled_to = -2;  // -2: never scrolled
    Control focused = Control::ListView1;
    bool progress_shown = false;
    int progress_max = 100;
    int progress_position = 0;
    std::vector<int> progress_positions;
    std::string open_answer;  // what the dialogs answer; empty is a cancel
    std::string save_answer;
    int save_asked = 0;
    int events_let_run = 0;
    std::function<void()> on_events;  // runs inside let_events_run, to model re-entry

    std::string text(Control c) override { return texts[c]; }
    void set_text(Control c, const std::string& t) override { texts[c] = t; }
    void focus(Control c) override { focused = c; }

    void clear_rows() override { rows.clear(); selected = -1; }
    int row_count() override { return static_cast<int>(rows.size()); }
    void append_row(const std::string& a, const std::string& v) override { rows.push_back({a, v, ""}); }
    std::string cell(int r, int c) override {
        return r >= 0 && r < row_count() && c >= 0 && c < 3 ? rows[r][c] : std::string();
    }
    void set_cell(int r, int c, const std::string& t) override {
        if (r >= 0 && r < row_count() && c >= 0 && c < 3) rows[r][c] = t;
    }
    int selected_row() override { return selected; }
    void select_row(int r) override { selected = r; }
    void scroll_to_row(int r) override { scrolled_to = r; }

    void show_progress(bool shown) override { progress_shown = shown; }
    void set_progress_range(int m) override { progress_max = m; }
    void set_progress(int p) override { progress_position = p; progress_positions.push_back(p); }

    std::string ask_open_path() override { return open_answer; }
    std::string ask_save_path() override { ++save_asked; return save_answer; }

    void let_events_run() override {
        ++events_let_run;
        if (on_events) on_events();
    }

    std::string hint() { return texts[Control::Label1]; }
    std::vector<std::string> column(int c) {
        std::vector<std::string> out;
        for (auto& r : rows) out.push_back(r[c]);
        return out;
    }
};

// Sections and keys compared without regard to ASCII case, as the private-profile API does.
struct MemoryProfile : ProfileReader {
    std::map<std::tuple<std::string, std::string>, std::string> values;
    std::vector<std::string> files_read;

    static std::string fold(std::string s) {
        for (auto& ch : s) if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
        return s;
    }
    void put(const std::string& section, const std::string& key, const std::string& value) {
        values[{fold(section), fold(key)}] = value;
    }
    std::string read(const std::string& file, const std::string& section, const std::string& key) override {
        files_read.push_back(file);
        auto it = values.find({fold(section), fold(key)});
        return it == values.end() ? std::string() : it->second;
    }
};

// One session, window and INI reader wired together, as the program holds them.
struct Harness {
    FileSession session;
    MemoryWindow window;
    MemoryProfile profile;
    Context context{session, window, profile, "C:\\tarvello\\ziz_ivi.ini"};
};
