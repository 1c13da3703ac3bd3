#include "app/form/form.h"
#include "app/form/select_record.h"
#include "numeric/hex_helpers.h"
#include "ops/hints.h"

namespace {

enum class Direction { back, forward };

void take_step(Form& form, Direction direction) {
    if (form.busy) return;
    FormView& view = form.view;
    FileChange change;
    const UndoOutcome outcome = direction == Direction::back
                                    ? form.history.undo(form.file, form.write_options, change)
                                    : form.history.redo(form.file, form.write_options, change);
    switch (outcome) {
    case UndoOutcome::nothing:
        view.set_text(ControlId::hint_line, direction == Direction::back ? hint::kNothingToUndo : hint::kNothingToRedo);
        return;
    case UndoOutcome::changed_elsewhere: view.set_text(ControlId::hint_line, hint::kChangedElsewhere); return;
    case UndoOutcome::backup_failed: view.set_text(ControlId::hint_line, hint::kBackupFailed); return;
    case UndoOutcome::write_failed: view.set_text(ControlId::hint_line, hint::kWriteFailed); return;
    case UndoOutcome::done: break;
    }
    list_again(form);
    // The record the step changed, shown as a click on its row would show it.
    const std::string address = offset_hex(change.record);
    if (select_record_row(view, address)) {
        const int row = view.selected_row();
        view.set_text(ControlId::offset_box, view.cell(row, 0));
        view.set_text(ControlId::value_box, view.cell(row, 1));
    }
    view.set_text(ControlId::hint_line, direction == Direction::back ? hint::kUndone : hint::kRedone);
}

}  // namespace

void on_undo(Form& form) { take_step(form, Direction::back); }

void on_redo(Form& form) { take_step(form, Direction::forward); }
