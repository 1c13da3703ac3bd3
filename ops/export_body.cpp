#include "ops/export_body.h"

#include "platform/whole_file.h"

std::string export_bytes(const std::string& decoded) {
    const auto size = static_cast<std::uint32_t>(decoded.size());
    std::string out{static_cast<char>(size & 0xFF), static_cast<char>((size >> 8) & 0xFF),
                    static_cast<char>((size >> 16) & 0xFF), static_cast<char>(size >> 24)};
    out.reserve(out.size() + decoded.size());
    return out.append(decoded);
}

ExportOutcome export_body(const NaviFile& file, const std::string& target, const ExportProgress& progress) {
    if (same_file(file.path, target)) return ExportOutcome::onto_itself;
    std::string image;
    if (file.file.read_all(image) == ByteFile::Read::failed) return ExportOutcome::read_failed;
    // About one pass per unit of the body.
    const std::int64_t total = static_cast<std::int64_t>(image.size()) / kUnitSize;
    std::function<void(std::int64_t)> on_passes;
    if (progress) on_passes = [&](std::int64_t passes) { progress(passes, total); };
    const std::string decoded = decode_body(image, on_passes);
    switch (replace_file(target, export_bytes(decoded))) {
    case ReplaceOutcome::done: return ExportOutcome::done;
    case ReplaceOutcome::read_only: return ExportOutcome::read_only;
    case ReplaceOutcome::failed: break;
    }
    return ExportOutcome::write_failed;
}
