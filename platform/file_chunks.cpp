#include "platform/file_chunks.h"

#include <algorithm>
#include <string>

namespace {
constexpr std::size_t kChunkSize = 1024 * 1024;
}

bool walk_chunks(const ByteFile& file, std::int64_t from, std::size_t overlap,
                 const std::function<bool(std::string_view, std::int64_t)>& visit) {
    // Twice the overlap at least, so every chunk moves the walk forward.
    const std::size_t chunk_size = std::max(kChunkSize, 2 * (overlap + 1));
    std::int64_t offset = std::max<std::int64_t>(from, 0);
    std::string chunk;
    for (;;) {
        if (file.read_at(offset, chunk_size, chunk) == ByteFile::Read::failed) return false;
        if (chunk.empty() || visit(chunk, offset)) return true;
        if (chunk.size() < chunk_size) return true;  // the end of the file
        offset += static_cast<std::int64_t>(chunk_size - overlap);
    }
}
