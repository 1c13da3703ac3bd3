#include "edit/value_box_key.h"

#include <string>
#include <string_view>

#include "config/file_session.h"
#include "config/intake_file.h"
#include "config/messages.h"
#include "config/scan_record.h"
#include "edit/module_rows.h"
#include "numeric/hex_helpers.h"

namespace {

bool equal_ignoring_ascii_case(std::string_view a, std::string_view b) {
    auto fold = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (fold(a[i]) != fold(b[i])) return false;
    }
    return true;
}

// The units that follow the seed: one per byte of the value, then the last one twice more.
std::string encode_chain(const std::string& seed, const std::string& value) {
    const std::string value_hex = bytes_to_hex(value);
    std::string unit = seed;
    std::string chain;
    for (std::size_t i = 0; i < value_hex.size(); i += 2) {
        std::string byte = value_hex.substr(i, 2);
        unit = unit_sum(unit, byte);
        chain += unit;
    }
    chain += unit;
    chain += unit;
    return chain;
}

// The slot boundary after offset: a chain that crosses it would overwrite the next seed.
std::int64_t next_slot_start(std::int64_t offset) {
    return kHeaderSize + ((offset - kHeaderSize) / kSlotSize + 1) * kSlotSize;
}

// The rewritten record's row, found by the typed address as the list spells it.
void select_written_row(Window& window, const std::string& address) {
    const int rows = window.row_count();
    for (int row = 0; row < rows; ++row) {
        if (equal_ignoring_ascii_case(window.cell(row, 0), address)) {
            window.select_row(row);
            if (row + 1 < rows) window.scroll_to_row(row + 1);
            return;
        }
    }
    window.scroll_to_row(0);
}

}  // namespace

void on_value_box_key(Context& context, int key) {
    if (key == kKeyDown) {
        context.window.focus(Control::EditBox2);
        return;
    }
    if (key != kKeyEnter || context.session.busy) return;
    if (context.session.kind == kKindModule) {
        patch_module_row(context);
    } else if (context.session.kind == kKindConfig) {
        write_back_value(context);
    }
}

void write_back_value(Context& context) {
    FileSession& session = context.session;
    Window& window = context.window;
    const std::string address = window.text(Control::EditBox2);
    if (!session.is_open() || address.empty() || window.row_count() == 0) return;

    ByteFile& file = session.file;
    // Text that is not hexadecimal reads as 0, inside the header, and is refused with it.
    std::string typed = address;
    const std::int64_t offset = hex_value(typed);
    if (offset < kHeaderSize || offset >= file.length()) {
        window.set_text(Control::Label1, msg::kEnterOffset);
        return;
    }
    file.seek(offset);
    // Units written after a seed shorter than two bytes would not decode as the value.
    const std::string seed = read_unit(file);
    if (seed.size() != 2) {
        window.set_text(Control::Label1, msg::kEnterOffset);
        return;
    }
    const std::string chain = encode_chain(seed, window.text(Control::EditBox1));
    const std::int64_t end = file.position() + static_cast<std::int64_t>(chain.size());
    if (end > next_slot_start(offset) || end > file.length()) {
        window.set_text(Control::Label1, msg::kValueTooLong);
        return;
    }
    const bool written = file.write(chain);

    window.focus(Control::ListView1);
    const std::string path = session.path;
    intake_file(context, path);
    select_written_row(window, address);
    window.set_text(Control::Label1, written ? msg::kDone : msg::kWriteFailed);
}
