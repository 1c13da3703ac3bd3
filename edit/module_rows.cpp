#include "edit/module_rows.h"

#include <array>
#include <string>
#include <string_view>

#include "config/file_session.h"
#include "config/find_in_file.h"
#include "config/intake_file.h"
#include "config/messages.h"
#include "numeric/convert_radix.h"
#include "numeric/hex_helpers.h"

namespace {

// STRB R7, [SP, #40]; CMP R3, #0 - the MOV R0, #rate that loads the port's rate follows.
constexpr std::string_view kRateAnchorHex = "2870cde5000053e3";
constexpr std::int64_t kRateAfterAnchor = 8;
// The module test looks from offset 5 on; the five bytes before it are never patched.
constexpr std::int64_t kModuleBodyStart = 5;
constexpr std::size_t kPortTextSize = 5;

struct Rate {
    std::string_view text;
    std::string_view encoding_hex;  // the MOV's first three bytes; its E3 stays as it is
};
constexpr std::array<Rate, 5> kRates{{
    {"4800", "4B0DA0"},
    {"9600", "960DA0"},
    {"19200", "4B0CA0"},
    {"38400", "960CA0"},
    {"57600", "E10CA0"},
}};

std::string hex_address(std::int64_t offset) {
    std::string decimal = std::to_string(offset);
    return convert_radix(decimal, 10, 16);
}

}  // namespace

void list_module_rows(Context& context) {
    FileSession& session = context.session;
    Window& window = context.window;
    window.append_row(hex_address(session.port_offset), "COM" + session.port_digit + ":");

    ByteFile& file = session.file;
    const std::int64_t anchor = find_in_file(file, kModuleBodyStart, hex_to_bytes(kRateAnchorHex));
    if (anchor < 0) return;
    file.seek(anchor + kRateAfterAnchor);
    const std::string encoding = bytes_to_hex(file.read_text(3));
    for (const Rate& rate : kRates) {
        if (encoding == rate.encoding_hex) {
            window.append_row(hex_address(anchor + kRateAfterAnchor), std::string(rate.text));
            return;
        }
    }
}

void patch_module_row(Context& context) {
    FileSession& session = context.session;
    Window& window = context.window;
    const std::string address = window.text(Control::EditBox2);
    if (!session.is_open() || address.empty() || window.row_count() == 0) return;

    const std::string value = window.text(Control::EditBox1);
    std::string bytes;
    const int row = window.selected_row();
    if (row == 0) {
        // A longer text would run over whatever follows the port text.
        if (value.size() > kPortTextSize) {
            window.set_text(Control::Label1, msg::kPortTooLong);
            return;
        }
        bytes = value;
    } else if (row == 1) {
        for (const Rate& rate : kRates) {
            if (value == rate.text) bytes = hex_to_bytes(rate.encoding_hex);
        }
        if (bytes.empty()) {
            window.set_text(Control::Label1, msg::kRateOnly);
            return;
        }
    }

    bool written = true;
    if (!bytes.empty()) {
        ByteFile& file = session.file;
        // Text that is not hexadecimal reads as 0 and is refused with the first five bytes.
        std::string typed = address;
        const std::int64_t offset = hex_value(typed);
        // The room left after the offset, not the end of the write: an offset typed past
        // 2^63 saturates, and adding to it would overflow.
        if (offset < kModuleBodyStart || offset > file.length() - static_cast<std::int64_t>(bytes.size())) {
            window.set_text(Control::Label1, msg::kEnterOffset);
            return;
        }
        file.seek(offset);
        written = file.write(bytes);
    }

    const std::string path = session.path;
    intake_file(context, path);
    window.set_text(Control::Label1, written ? msg::kDone : msg::kWriteFailed);
}
