#include "app/form/form.h"
#include "app/form/select_record.h"
#include "ops/hints.h"
#include "ops/patch_module.h"
#include "ops/read_record.h"
#include "ops/write_value.h"

namespace {

const char* refusal(WriteOutcome outcome) {
    switch (outcome) {
    case WriteOutcome::bad_offset: return hint::kEnterOffset;
    case WriteOutcome::unwritable_text: return hint::kUnwritableText;
    case WriteOutcome::too_long: return hint::kValueTooLong;
    case WriteOutcome::backup_failed: return hint::kBackupFailed;
    default: return nullptr;
    }
}

const char* refusal(PatchOutcome outcome) {
    switch (outcome) {
    case PatchOutcome::bad_offset: return hint::kEnterOffset;
    case PatchOutcome::port_too_long: return hint::kPortTooLong;
    case PatchOutcome::bad_rate: return hint::kRateOnly;
    case PatchOutcome::backup_failed: return hint::kBackupFailed;
    default: return nullptr;
    }
}

// A typed character without a GBK form cannot reach the file; nothing is written.
bool typed_value(Form& form, std::string& value) {
    if (form.view.text_outside_gbk(ControlId::value_box)) {
        form.view.set_text(ControlId::hint_line, hint::kUnwritableText);
        return false;
    }
    value = form.view.text(ControlId::value_box);
    return true;
}

void write_back_value(Form& form, const std::string& address) {
    FormView& view = form.view;
    std::string value;
    if (!typed_value(form, value)) return;
    FileChange change;
    const WriteOutcome outcome = write_value(form.file, typed_offset(address), value, form.write_options, &change);
    if (const char* text = refusal(outcome)) {
        view.set_text(ControlId::hint_line, text);
        return;
    }
    // A failed write may have reached the disk all the same: it can be undone too.
    if (!change.after.empty()) form.history.record(change);
    view.focus(ControlId::record_list);
    list_again(form);
    select_record_row(view, address);
    view.set_text(ControlId::hint_line, outcome == WriteOutcome::done ? hint::kDone : hint::kWriteFailed);
}

void patch_module_row(Form& form, const std::string& address) {
    FormView& view = form.view;
    std::string value;
    if (!typed_value(form, value)) return;
    // The selected row decides what is written, the offset box where.
    const int row = view.selected_row();
    FileChange change;
    PatchOutcome outcome = PatchOutcome::done;
    if (row == 0) {
        outcome = patch_port(form.file, typed_offset(address), value, form.write_options, &change);
    } else if (row == 1) {
        outcome = patch_rate(form.file, typed_offset(address), value, form.write_options, &change);
    }
    if (const char* text = refusal(outcome)) {
        view.set_text(ControlId::hint_line, text);
        return;
    }
    if (!change.after.empty()) form.history.record(change);
    list_again(form);
    view.set_text(ControlId::hint_line, outcome == PatchOutcome::done ? hint::kDone : hint::kWriteFailed);
}

}  // namespace

void on_value_box_key(Form& form, BoxKey key) {
    if (key == BoxKey::down) {
        form.view.focus(ControlId::offset_box);
        return;
    }
    if (key != BoxKey::enter || form.busy) return;
    const std::string address = form.view.text(ControlId::offset_box);
    if (!form.file.is_open() || address.empty() || form.view.row_count() == 0) return;
    if (form.file.kind == FileKind::module) {
        patch_module_row(form, address);
    } else if (form.file.kind == FileKind::config) {
        write_back_value(form, address);
    }
}
