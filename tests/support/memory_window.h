#pragma once
// The window and the INI reader held in memory, so the form's handlers run natively.
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/form/form.h"
#include "app/form/form_view.h"
#include "platform/profile_file.h"

struct MemoryView : FormView {
    std::map<ControlId, std::string> texts;
    // Boxes whose text holds a character that has no GBK form, as the user typed it.
    std::set<ControlId> outside_gbk;
    std::vector<std::vector<std::string>> rows;  // three cells each
    int selected = -1;
    int scrolled_to = -2;  // -2: never scrolled
    ControlId focused = ControlId::record_list;
    std::string current_file;  // the path the status bar shows
    bool progress_shown = false;
    std::vector<std::pair<std::int64_t, std::int64_t>> progress;  // (done, total), as set
    std::string open_answer;  // what the dialogs answer; empty is a cancel
    std::string save_answer;
    int open_asked = 0;
    int save_asked = 0;
    int events_let_run = 0;
    std::function<void()> on_events;  // runs inside let_events_run, to model re-entry

    std::string text(ControlId c) override { return texts[c]; }
    void set_text(ControlId c, const std::string& t) override {
        texts[c] = t;
        // Text the program sets comes from GBK and has a GBK form.
        outside_gbk.erase(c);
    }
    bool text_outside_gbk(ControlId c) override { return outside_gbk.count(c) != 0; }
    void focus(ControlId c) override { focused = c; }
    void show_current_file(const std::string& path) override { current_file = path; }

    void clear_rows() override {
        rows.clear();
        selected = -1;
    }
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
    void set_progress(std::int64_t done, std::int64_t total) override { progress.emplace_back(done, total); }

    std::string ask_open_path() override {
        ++open_asked;
        return open_answer;
    }
    std::string ask_save_path() override {
        ++save_asked;
        return save_answer;
    }

    void let_events_run() override {
        ++events_let_run;
        if (on_events) on_events();
    }

    // The user types text that has a character without a GBK form into a box.
    void type_outside_gbk(ControlId c, const std::string& shown) {
        texts[c] = shown;
        outside_gbk.insert(c);
    }
    std::string hint() { return texts[ControlId::hint_line]; }
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
        for (auto& ch : s)
            if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
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

inline const std::string kSettingsPath = "/opt/tarvello/ziz_ivi.ini";

// The form with its view and INI reader wired together, as the program holds them.
struct Harness {
    MemoryView view;
    MemoryProfile profile;
    Form form{view, profile, kSettingsPath};
};
