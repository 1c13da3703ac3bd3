#include "config/intake_file.h"

#include "config/file_session.h"
#include "config/find_port_text.h"
#include "config/list_config_records.h"
#include "config/messages.h"
#include "edit/module_rows.h"
#include "numeric/hex_helpers.h"

namespace {
constexpr std::string_view kSignatureHex = "1A673201";
constexpr std::int64_t kHeaderBytes = 5;  // signature and edition byte
}  // namespace

void intake_file(Context& context, const std::string& path) {
    FileSession& session = context.session;
    Window& window = context.window;
    // The re-listing after a write hands over session.path itself, which is replaced below.
    const std::string received = path;

    session.file.close();
    window.clear_rows();
    session.path = received;
    // The closed file's port text means nothing for the next one.
    session.port_digit.clear();
    session.port_offset = -1;
    window.set_text(Control::StatusBar1, msg::kCurrentFile + received);

    if (!session.file.open_existing(received)) {
        window.set_text(Control::Label1, msg::kOpenFailed);
        return;
    }
    session.file.seek(0);
    session.header_hex = bytes_to_hex(session.file.read(kHeaderBytes));

    if (session.header_hex.starts_with(kSignatureHex)) {
        session.kind = kKindConfig;
        list_config_records(context);
        return;
    }

    const PortText port = find_port_text(session.file, kHeaderBytes);
    if (port.digit == 0) {
        session.file.close();
        window.set_text(Control::Label1, msg::kNotKld);
        return;
    }
    session.port_digit = std::to_string(port.digit);
    session.port_offset = port.offset;
    list_module_rows(context);
    session.kind = kKindModule;
    window.set_text(Control::Label1, msg::kPickRecord);
}

void on_files_dropped(Context& context, const std::string& paths) {
    if (context.session.busy) return;
    intake_file(context, paths);
}

void on_icon_click(Context& context) {
    if (context.session.busy) return;
    const std::string path = context.window.ask_open_path();
    if (!path.empty()) intake_file(context, path);
}
