#include "config/list_config_records.h"

#include <string>

#include "config/file_session.h"
#include "config/fill_comment.h"
#include "config/messages.h"
#include "config/scan_record.h"
#include "numeric/convert_radix.h"

namespace {

// Appends the row of the slot at offset; returns the position where its scan ended.
std::int64_t list_slot(Context& context, std::int64_t offset) {
    ByteFile& file = context.session.file;
    file.seek(offset);
    std::string decimal = std::to_string(offset);
    const std::string address = convert_radix(decimal, 10, 16);
    const std::string decoded_hex = scan_record(file);
    context.window.append_row(address, value_text(decoded_hex));
    return file.position();
}

}  // namespace

void list_config_records(Context& context) {
    FileSession& session = context.session;
    Window& window = context.window;
    // Window events run between slots; their handlers must not reopen or write the file.
    session.busy = true;
    list_slot(context, kHeaderSize);
    int last_row = 0;
    for (int i = 1; i <= kLastListedSlot; ++i) {
        window.let_events_run();
        const std::int64_t scan_end = list_slot(context, kHeaderSize + kSlotSize * i);
        last_row = i;
        if (session.has_reference_file) fill_comment(context, i - 1);
        if (scan_end > session.file.length() - kSlotSize) break;
    }
    if (session.has_reference_file) fill_comment(context, last_row);
    session.busy = false;
    window.set_text(Control::Label1, msg::kPickRecord);
    window.focus(Control::ListView1);
}
