#include "config/fill_comment.h"

#include <string>

#include "config/file_session.h"

void fill_comment(Context& context, int row) {
    const std::string& header_hex = context.session.header_hex;
    const std::string edition = header_hex.size() >= 2 ? header_hex.substr(header_hex.size() - 2) : header_hex;
    const char* section = edition == "BF" ? "C-PND" : edition == "B4" ? "C-Car" : nullptr;
    if (section == nullptr) return;
    const std::string comment = context.profile.read(context.settings_path, section, context.window.cell(row, 0));
    if (!comment.empty()) context.window.set_cell(row, 2, comment);
}
