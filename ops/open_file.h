#pragma once
// A navigator file taken in (a configuration file or the module): opened for reading and
// writing and identified by its content.
#include <cstdint>
#include <string>

#include "format/module_layout.h"
#include "format/unit_chain.h"
#include "platform/byte_file.h"

enum class FileKind { none, config, module };

struct NaviFile {
    std::string path;  // UTF-8, as it was given
    ByteFile file;
    FileKind kind = FileKind::none;
    Edition edition = Edition::unknown;  // a configuration file's
    PortText port;                       // a module's

    bool is_open() const { return file.is_open(); }
};

enum class OpenOutcome {
    config,
    module,
    open_failed,  // missing, read-only, a folder, locked
    read_failed,  // opened, but a read failed: not to be taken for a foreign file
    not_kld,      // neither kind; the file is closed again
};

enum class Access { read_write, read_only };

// Opens path into `into` (closing what it held) and tells what the file is. read_only is
// for files that are only listed or compared; a read-only file is then no refusal.
OpenOutcome open_file(const std::string& path, NaviFile& into, Access access = Access::read_write);
