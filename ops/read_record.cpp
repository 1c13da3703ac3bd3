#include "ops/read_record.h"

#include <algorithm>

#include "numeric/hex_helpers.h"

namespace {
// Most chains end within a slot; a block this size rarely needs a second read.
constexpr std::size_t kFirstBlock = 64 * 1024;
}  // namespace

std::int64_t typed_offset(const std::string& text) {
    std::string normalised = text;
    return hex_value(normalised);
}

ReadOutcome read_record(const NaviFile& file, std::int64_t offset, std::string& value) {
    value.clear();
    const std::int64_t length = file.file.length();
    if (length < 0) return ReadOutcome::read_failed;
    // Nothing before the offset is needed, and a chain may run on to the end of the file:
    // the read grows until the chain ends inside what was read, so a module of hundreds of
    // MiB is not read whole to show one value.
    const std::int64_t from = std::clamp<std::int64_t>(offset, 0, length);
    for (std::size_t block = kFirstBlock;; block *= 4) {
        std::string tail;
        if (file.file.read_at(from, block, tail) == ByteFile::Read::failed) return ReadOutcome::read_failed;
        const DecodedChain chain = decode_chain(tail, offset - from);
        const bool whole_rest = tail.size() < block;
        if (whole_rest || chain.end + 2 * kUnitSize < static_cast<std::int64_t>(tail.size())) {
            value = value_of(chain);
            return ReadOutcome::read;
        }
    }
}
