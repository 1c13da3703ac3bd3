#include "edit/export_decoded_content.h"

#include <algorithm>

#include "config/file_session.h"
#include "config/scan_record.h"
#include "numeric/hex_helpers.h"

namespace {

// The position after reading the unit at 9C70: that unit and the one at 9C72 are skipped.
constexpr std::int64_t kSkipFrom = 0x9C72;
constexpr std::int64_t kUnitSize = 2;
constexpr std::int64_t kPassesPerReport = 4096;
constexpr int kProgressLimit = 32767;

std::string read_chain_unit(ByteFile& file) {
    std::string unit = read_unit(file);
    if (file.position() == kSkipFrom) {
        file.seek(kSkipFrom + kUnitSize);
        unit = read_unit(file);
    }
    return unit;
}

int progress_value(std::int64_t value) { return static_cast<int>(std::clamp<std::int64_t>(value, 0, kProgressLimit)); }

}  // namespace

std::string decode_body(ByteFile& file, const DecodeProgress& progress) {
    std::string decoded;
    decoded.reserve(static_cast<std::size_t>(std::max<std::int64_t>(file.length() - kHeaderSize, 0) / kUnitSize));
    file.seek(kHeaderSize);
    for (std::int64_t pass = 1;; ++pass) {
        std::string unit = read_chain_unit(file);
        std::string next_unit = read_chain_unit(file);
        // Past this point every pass would read the same short unit again and add the
        // same byte, up to a pass count that has nothing to do with the body.
        if (next_unit.size() < kUnitSize) break;
        decoded += hex_to_bytes(unit_difference(next_unit, unit));
        file.seek(file.position() - kUnitSize);
        if (progress && pass % kPassesPerReport == 0) progress(pass);
    }
    return decoded;
}

bool write_export_file(const std::string& path, std::string_view decoded) {
    ByteFile out;
    if (!out.create_or_replace(path)) return false;
    const auto size = static_cast<std::uint32_t>(decoded.size());
    const char length[4] = {static_cast<char>(size & 0xFF), static_cast<char>((size >> 8) & 0xFF),
                            static_cast<char>((size >> 16) & 0xFF), static_cast<char>(size >> 24)};
    const bool written = out.write(std::string_view(length, sizeof length)) && out.write(decoded);
    out.close();
    if (!written) os_file::remove(path);
    return written;
}

void export_decoded_content(Context& context) {
    FileSession& session = context.session;
    Window& window = context.window;
    if (session.busy || session.kind != kKindConfig || !session.is_open() || window.row_count() == 0) return;
    // The dialog and the decoding let window events in; nothing may reopen or write the
    // file meanwhile.
    session.busy = true;
    const std::string chosen = window.ask_save_path();
    if (!chosen.empty()) {
        window.show_progress(true);
        window.set_progress_range(progress_value(session.file.length() / 4));
        window.set_progress(0);
        int shown = 0;
        const std::string decoded = decode_body(session.file, [&](std::int64_t passes) {
            const int position = progress_value(passes / 2);
            if (position != shown) window.set_progress(shown = position);
            window.let_events_run();
        });
        write_export_file(chosen + ".txt", decoded);
        window.show_progress(false);
    }
    session.busy = false;
}
