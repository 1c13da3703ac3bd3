#pragma once
#include <cstdint>
#include <string_view>

#include "ops/file_change.h"
#include "ops/open_file.h"

enum class PatchOutcome {
    done,
    bad_offset,     // before offset 5 or running past the end of the module
    port_too_long,  // more than five bytes
    bad_rate,       // not one of the five rates
    backup_failed,  // FILE.bak could not be made; nothing written
    write_failed,
};

// The port text written at offset as it is; an empty text writes nothing and is done.
// change, when given, receives what the write replaced, also after write_failed.
PatchOutcome patch_port(NaviFile& file, std::int64_t offset, std::string_view text, const WriteOptions& options,
                        FileChange* change = nullptr);

// The rate's three-byte encoding written at offset; the instruction's fourth byte stays.
PatchOutcome patch_rate(NaviFile& file, std::int64_t offset, std::string_view rate, const WriteOptions& options,
                        FileChange* change = nullptr);
