#include "ops/open_file.h"

OpenOutcome open_file(const std::string& path, NaviFile& into, Access access) {
    into.file.close();
    into.path = path;
    into.kind = FileKind::none;
    into.edition = Edition::unknown;
    into.port = {};
    const bool opened = access == Access::read_write ? into.file.open_existing(path) : into.file.open_for_reading(path);
    if (!opened) return OpenOutcome::open_failed;

    std::string header;
    if (into.file.read_at(0, kEditionOffset + 1, header) == ByteFile::Read::failed) {
        into.file.close();
        return OpenOutcome::read_failed;
    }
    if (has_config_signature(header)) {
        into.kind = FileKind::config;
        into.edition = edition_of(header);
        return OpenOutcome::config;
    }
    if (find_port_text(into.file, into.port) == Scan::read_failed) {
        into.file.close();
        return OpenOutcome::read_failed;
    }
    if (into.port.digit == 0) {
        into.file.close();
        return OpenOutcome::not_kld;
    }
    into.kind = FileKind::module;
    return OpenOutcome::module;
}
