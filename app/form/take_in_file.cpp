#include <vector>

#include "app/form/form.h"
#include "ops/comments.h"
#include "ops/hints.h"
#include "ops/list_records.h"

namespace {

void fill_comment(Form& form, int row) {
    const std::string comment =
        comment_for(form.profile, form.settings_path, form.file.edition, form.view.cell(row, 0));
    if (!comment.empty()) form.view.set_cell(row, 2, comment);
}

ListOutcome list_config(Form& form) {
    FormView& view = form.view;
    // Window events run between slots; their handlers must not reopen or write the file.
    form.busy = true;
    int last_row = -1;
    const ListOutcome outcome = list_config_records(form.file, [&](int index, const Record& record) {
        if (index > 0) view.let_events_run();
        view.append_row(record.address, record.value);
        // A row's comment comes once the next row stands, as the list has always filled them.
        if (index > 0 && form.has_reference_file) fill_comment(form, index - 1);
        last_row = index;
    });
    if (last_row >= 0 && form.has_reference_file) fill_comment(form, last_row);
    form.busy = false;
    if (outcome == ListOutcome::read_failed) {
        view.clear_rows();
        view.set_text(ControlId::hint_line, hint::kReadFailed);
        return outcome;
    }
    view.set_text(ControlId::hint_line, hint::kPickRecord);
    view.focus(ControlId::record_list);
    return outcome;
}

void list_module(Form& form) {
    std::vector<Record> records;
    if (list_module_records(form.file, records) == ListOutcome::read_failed) {
        form.view.set_text(ControlId::hint_line, hint::kReadFailed);
        return;
    }
    for (const Record& record : records) form.view.append_row(record.address, record.value);
    form.view.set_text(ControlId::hint_line, hint::kPickRecord);
}

void open_and_list(Form& form, const std::string& path) {
    FormView& view = form.view;
    view.clear_rows();
    view.show_current_file(path);
    switch (open_file(path, form.file)) {
    case OpenOutcome::config: list_config(form); break;
    case OpenOutcome::module: list_module(form); break;
    case OpenOutcome::open_failed: view.set_text(ControlId::hint_line, hint::kOpenFailed); break;
    case OpenOutcome::read_failed: view.set_text(ControlId::hint_line, hint::kReadFailed); break;
    case OpenOutcome::not_kld: view.set_text(ControlId::hint_line, hint::kNotKld); break;
    }
}

}  // namespace

void take_in_file(Form& form, const std::string& path) {
    form.history.clear();
    open_and_list(form, path);
}

void list_again(Form& form) {
    // open_file replaces form.file.path, which the caller's text may be.
    const std::string path = form.file.path;
    open_and_list(form, path);
}

void on_files_dropped(Form& form, const std::string& paths) {
    if (form.busy) return;
    take_in_file(form, paths);
}

void on_icon_click(Form& form) {
    if (form.busy) return;
    const std::string path = form.view.ask_open_path();
    if (!path.empty()) take_in_file(form, path);
}
