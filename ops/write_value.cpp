#include "ops/write_value.h"

#include "ops/read_record.h"
#include "ops/write_bytes.h"

WriteOutcome write_value(NaviFile& file, std::int64_t offset, std::string_view value, const WriteOptions& options,
                         FileChange* change) {
    const std::int64_t length = file.file.length();
    if (offset < kConfigHeaderSize || offset >= length) return WriteOutcome::bad_offset;
    std::string seed_bytes;
    if (file.file.read_at(offset, kUnitSize, seed_bytes) == ByteFile::Read::failed) return WriteOutcome::write_failed;
    // Units written after a seed shorter than two bytes would not decode as the value.
    const std::string_view seed = read_unit(seed_bytes, 0);
    if (static_cast<std::int64_t>(seed.size()) != kUnitSize) return WriteOutcome::bad_offset;
    if (!encodes_exactly(seed, value)) return WriteOutcome::unwritable_text;

    const std::string chain = encode_chain(seed, value);
    const std::int64_t at = offset + kUnitSize;
    const std::int64_t end = at + static_cast<std::int64_t>(chain.size());
    if (end > next_slot_start(offset) || end > length) return WriteOutcome::too_long;

    switch (write_bytes(file, FileChange{offset, at, {}, chain}, options, change)) {
    case WriteBytesOutcome::backup_failed: return WriteOutcome::backup_failed;
    case WriteBytesOutcome::failed: return WriteOutcome::write_failed;
    case WriteBytesOutcome::done: break;
    }
    std::string read_back;
    if (read_record(file, offset, read_back) != ReadOutcome::read || read_back != value) return WriteOutcome::write_failed;
    return WriteOutcome::done;
}
