#include "app/form/form.h"
#include "ops/hints.h"

void on_record_click(Form& form) {
    FormView& view = form.view;
    if (view.row_count() == 0) {
        view.focus(ControlId::offset_box);
        return;
    }
    // A click below the last row leaves no row selected, and both boxes are emptied.
    const int row = view.selected_row();
    view.set_text(ControlId::offset_box, row < 0 ? std::string() : view.cell(row, 0));
    view.set_text(ControlId::value_box, row < 0 ? std::string() : view.cell(row, 1));
    view.set_text(ControlId::hint_line, hint::kEditThenEnter);
}
