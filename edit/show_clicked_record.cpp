#include "edit/show_clicked_record.h"

#include "config/messages.h"

void show_clicked_record(Context& context) {
    Window& window = context.window;
    if (window.row_count() == 0) {
        window.focus(Control::EditBox2);
        return;
    }
    // A click below the last row leaves no row selected, and both boxes are emptied.
    const int row = window.selected_row();
    window.set_text(Control::EditBox2, row < 0 ? std::string() : window.cell(row, 0));
    window.set_text(Control::EditBox1, row < 0 ? std::string() : window.cell(row, 1));
    window.set_text(Control::Label1, msg::kEditThenEnter);
}
