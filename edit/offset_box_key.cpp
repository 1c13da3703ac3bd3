#include "edit/offset_box_key.h"

#include <string>

#include "config/file_session.h"
#include "config/messages.h"
#include "config/scan_record.h"
#include "numeric/hex_helpers.h"

void on_offset_box_key(Context& context, int key) {
    if (key == kKeyUp) {
        context.window.focus(Control::EditBox1);
    } else if (key == kKeyEnter && !context.session.busy) {
        go_to_offset(context);
    }
}

void go_to_offset(Context& context) {
    FileSession& session = context.session;
    Window& window = context.window;
    std::string address = window.text(Control::EditBox2);
    if (!session.is_open()) {
        window.set_text(Control::Label1, msg::kNoFileOpen);
        return;
    }
    if (address.empty()) {
        window.set_text(Control::Label1, msg::kEnterOffset);
        return;
    }
    // Only reads: a text that is not hexadecimal reads the chain at offset 0, harmlessly.
    session.file.seek(hex_value(address));
    window.set_text(Control::EditBox1, value_text(scan_record(session.file)));
    window.set_text(Control::Label1, msg::kEditThenEnter);
}
