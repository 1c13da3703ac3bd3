#include "app/form/form.h"
#include "ops/hints.h"
#include "ops/read_record.h"

namespace {

void go_to_offset(Form& form) {
    FormView& view = form.view;
    const std::string address = view.text(ControlId::offset_box);
    if (!form.file.is_open()) {
        view.set_text(ControlId::hint_line, hint::kNoFileOpen);
        return;
    }
    if (address.empty()) {
        view.set_text(ControlId::hint_line, hint::kEnterOffset);
        return;
    }
    // Only reads: a text that is not hexadecimal reads the chain at offset 0, harmlessly.
    std::string value;
    if (read_record(form.file, typed_offset(address), value) == ReadOutcome::read_failed) {
        view.set_text(ControlId::hint_line, hint::kReadFailed);
        return;
    }
    view.set_text(ControlId::value_box, value);
    view.set_text(ControlId::hint_line, hint::kEditThenEnter);
}

}  // namespace

void on_offset_box_key(Form& form, BoxKey key) {
    if (key == BoxKey::up) {
        form.view.focus(ControlId::value_box);
    } else if (key == BoxKey::enter && !form.busy) {
        go_to_offset(form);
    }
}
