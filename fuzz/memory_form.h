#pragma once
// The window held in memory for the form's handlers, and a case: one real file in a private
// folder, taken in by the handlers as the window would.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "app/form/form.h"
#include "fuzz/format_model.h"
#include "fuzz/fuzz_files.h"
#include "fuzz/io_watch.h"

class MemoryView : public FormView {
public:
    std::map<ControlId, std::string> texts;
    std::map<ControlId, bool> outside_gbk;
    ControlId focused = ControlId::icon;
    std::string current_file;
    Rows rows;
    int selected = -1;
    bool progress_shown = false;
    struct Progress {
        std::int64_t done;
        std::int64_t total;
    };
    std::vector<Progress> progress;
    std::string open_answer;  // what the dialogs answer; empty is a cancel
    std::string save_answer;
    int open_asked = 0;
    int save_asked = 0;
    int events_let_run = 0;
    std::function<void()> on_events;  // runs inside let_events_run, to model re-entry

    std::string hint() { return texts[ControlId::hint_line]; }

    std::string text(ControlId c) override { return texts[c]; }
    void set_text(ControlId c, const std::string& t) override { texts[c] = t; }
    bool text_outside_gbk(ControlId c) override { return outside_gbk[c]; }
    void focus(ControlId c) override { focused = c; }
    void show_current_file(const std::string& path) override { current_file = path; }

    void clear_rows() override {
        rows.clear();
        selected = -1;
    }
    int row_count() override { return static_cast<int>(rows.size()); }
    void append_row(const std::string& a, const std::string& v) override { rows.push_back({a, v, ""}); }
    std::string cell(int r, int c) override { return in_table(r, c) ? rows[r][c] : std::string(); }
    void set_cell(int r, int c, const std::string& t) override {
        if (in_table(r, c)) rows[r][c] = t;
    }
    int selected_row() override { return selected; }
    void select_row(int r) override { selected = r; }
    void scroll_to_row(int) override {}

    void show_progress(bool shown) override { progress_shown = shown; }
    void set_progress(std::int64_t done, std::int64_t total) override { progress.push_back({done, total}); }

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

private:
    bool in_table(int r, int c) { return r >= 0 && r < row_count() && c >= 0 && c < 3; }
};

// The texts a view shows: a control read but never set holds an empty text all the same.
inline std::map<ControlId, std::string> shown(std::map<ControlId, std::string> texts) {
    std::erase_if(texts, [](const auto& entry) { return entry.second.empty(); });
    return texts;
}

// Sections and keys compared without regard to ASCII case, as the profile API does.
class MemoryProfile : public ProfileReader {
public:
    std::vector<std::string> files_read;

    void put(const std::string& section, const std::string& key, const std::string& value) {
        values_[{ascii_upper(section), ascii_upper(key)}] = value;
    }
    std::string read(const std::string& file, const std::string& section, const std::string& key) override {
        files_read.push_back(file);
        const auto it = values_.find({ascii_upper(section), ascii_upper(key)});
        return it == values_.end() ? std::string() : it->second;
    }

private:
    std::map<std::tuple<std::string, std::string>, std::string> values_;
};

// One case: a folder of its own, the file in it, the window's state over it. The io watch
// follows the file from the start.
struct FuzzCase {
    FuzzFolder folder;
    std::string path;
    MemoryView view;
    MemoryProfile profile;
    Form form{view, profile, folder.path("ziz_ivi.ini")};

    explicit FuzzCase(std::string_view bytes, const std::string& name = "navi.dll") : path(folder.write(name, bytes)) {
        io_watch::watch(path);
    }
    ~FuzzCase() { io_watch::unwatch(); }
    FuzzCase(const FuzzCase&) = delete;
    FuzzCase& operator=(const FuzzCase&) = delete;

    std::string on_disk() const { return file_bytes(path); }
    std::string backup() const { return path + ".bak"; }
};

// The window as a listing of these bytes leaves it: the file open as what it is, a row per
// record; a rejected file closed and nothing listed.
inline void check_listed(FuzzCase& c, std::string_view bytes) {
    const Listing expected = listing_of(bytes);
    Rows listed = c.view.rows;
    for (auto& row : listed) row[2].clear();  // comments are the intake target's to check
    FUZZ_CHECK(listed == expected.rows);
    switch (expected.kind) {
    case ModelKind::config:
        FUZZ_CHECK(c.form.file.is_open() && c.form.file.kind == FileKind::config);
        break;
    case ModelKind::module:
        FUZZ_CHECK(c.form.file.is_open() && c.form.file.kind == FileKind::module);
        FUZZ_CHECK(c.form.file.port.digit == expected.port_digit);
        FUZZ_CHECK(c.form.file.port.offset == expected.port_offset);
        break;
    case ModelKind::rejected:
        FUZZ_CHECK(!c.form.file.is_open() && c.form.file.kind == FileKind::none);
        break;
    }
}

// The form as a listing leaves it, without the listing: over the long files that reach
// past 64 KiB, listing costs slots times length and would crowd out the runs. A
// configuration file gets the first slot's row, so that handlers needing a row act.
inline void open_without_listing(FuzzCase& c) {
    if (open_file(c.path, c.form.file) == OpenOutcome::config) c.view.append_row("30", "");
}

// While a listing or an export lets window events run, every handler that would reopen,
// write or re-read the file is tried; each must find the form busy and do nothing: no byte
// written, no box filled, no dialog asked, no file taken in, no export made.
inline void try_handlers_while_busy(FuzzCase& c) {
    c.view.on_events = [&c] {
        MemoryView& v = c.view;
        const auto texts = v.texts;
        const Rows rows = v.rows;
        const std::string disk = c.on_disk();
        const std::string path = c.form.file.path;
        const int open_asked = v.open_asked;
        const int save_asked = v.save_asked;
        const std::string save_answer = v.save_answer;
        const std::string open_answer = v.open_answer;
        v.texts[ControlId::offset_box] = "30";
        v.texts[ControlId::value_box] = "busy";
        v.save_answer = c.path + ".reentered";
        v.open_answer = c.path;
        on_value_box_key(c.form, BoxKey::enter);
        on_offset_box_key(c.form, BoxKey::enter);
        on_record_list_right_click(c.form);
        on_files_dropped(c.form, c.path);
        on_icon_click(c.form);
        on_undo(c.form);
        on_redo(c.form);
        auto typed = texts;
        typed[ControlId::offset_box] = "30";
        typed[ControlId::value_box] = "busy";
        FUZZ_CHECK(c.form.busy);
        FUZZ_CHECK(shown(v.texts) == shown(typed));
        FUZZ_CHECK(v.rows == rows);
        FUZZ_CHECK(v.open_asked == open_asked && v.save_asked == save_asked);
        FUZZ_CHECK(c.form.file.path == path);
        FUZZ_CHECK(c.on_disk() == disk);
        FUZZ_CHECK(!exists(c.path + ".reentered.txt"));
        v.texts = texts;
        v.save_answer = save_answer;
        v.open_answer = open_answer;
    };
}
