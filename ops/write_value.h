#pragma once
#include <cstdint>
#include <string_view>

#include "ops/file_change.h"
#include "ops/open_file.h"

enum class WriteOutcome {
    done,
    bad_offset,       // in the header, at or after the end, or no whole seed unit there
    unwritable_text,  // the value would not decode back to itself (a byte 00, or FF after most units)
    too_long,         // the chain would cross the next slot or the end of the file
    backup_failed,    // FILE.bak could not be made; nothing written
    write_failed,     // the write, its flush or the read-back failed
};

// Encodes value after the seed unit at offset and writes the chain in place. The seed is
// read from the disk at the moment of writing, the write is flushed to the device, and the
// record is read back: done only when it decodes to exactly value. change, when given,
// receives what the write replaced, also after write_failed (the bytes may be on the disk).
WriteOutcome write_value(NaviFile& file, std::int64_t offset, std::string_view value, const WriteOptions& options,
                         FileChange* change = nullptr);
