#include "ops/patch_module.h"

#include "ops/write_bytes.h"

namespace {

PatchOutcome patch(NaviFile& file, std::int64_t offset, std::string_view bytes, const WriteOptions& options,
                   FileChange* change) {
    if (bytes.empty()) return PatchOutcome::done;
    // The room left after the offset, not the end of the write: an offset typed past 2^63
    // saturates, and adding to it would overflow.
    const std::int64_t length = file.file.length();
    if (offset < kModuleBodyStart || offset > length - static_cast<std::int64_t>(bytes.size()))
        return PatchOutcome::bad_offset;
    switch (write_bytes(file, FileChange{offset, offset, {}, std::string(bytes)}, options, change)) {
    case WriteBytesOutcome::done: return PatchOutcome::done;
    case WriteBytesOutcome::backup_failed: return PatchOutcome::backup_failed;
    case WriteBytesOutcome::failed: break;
    }
    return PatchOutcome::write_failed;
}

}  // namespace

PatchOutcome patch_port(NaviFile& file, std::int64_t offset, std::string_view text, const WriteOptions& options,
                        FileChange* change) {
    if (text.size() > kPortTextSize) return PatchOutcome::port_too_long;
    return patch(file, offset, text, options, change);
}

PatchOutcome patch_rate(NaviFile& file, std::int64_t offset, std::string_view rate, const WriteOptions& options,
                        FileChange* change) {
    const Rate* known = rate_by_text(rate);
    if (!known) return PatchOutcome::bad_rate;
    return patch(file, offset, known->encoding, options, change);
}
