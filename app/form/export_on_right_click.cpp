#include "app/form/form.h"
#include "ops/export_body.h"
#include "ops/hints.h"

namespace {

const char* failure(ExportOutcome outcome) {
    switch (outcome) {
    case ExportOutcome::onto_itself: return hint::kExportOntoItself;
    case ExportOutcome::read_failed: return hint::kReadFailed;
    case ExportOutcome::read_only:
    case ExportOutcome::write_failed: return hint::kExportFailed;
    case ExportOutcome::done: break;
    }
    return nullptr;
}

}  // namespace

void on_record_list_right_click(Form& form) {
    FormView& view = form.view;
    if (form.busy || form.file.kind != FileKind::config || !form.file.is_open() || view.row_count() == 0) return;
    // The dialog and the decoding let window events in; nothing may reopen or write the
    // file meanwhile.
    form.busy = true;
    const std::string chosen = view.ask_save_path();
    if (!chosen.empty()) {
        view.show_progress(true);
        view.set_progress(0, form.file.file.length() / 2);
        const ExportOutcome outcome =
            export_body(form.file, chosen + ".txt", [&](std::int64_t done, std::int64_t total) {
                view.set_progress(done, total);
                view.let_events_run();
            });
        view.show_progress(false);
        if (const char* text = failure(outcome)) view.set_text(ControlId::hint_line, text);
    }
    form.busy = false;
}
