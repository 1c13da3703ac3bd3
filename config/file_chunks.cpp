#include "config/file_chunks.h"

#include <algorithm>
#include <string>

namespace {
constexpr std::size_t kChunkSize = 1024 * 1024;
}

void walk_chunks(ByteFile& file, std::int64_t from, std::size_t overlap,
                 const std::function<bool(std::string_view, std::int64_t)>& visit) {
    // Twice the overlap at least, so every chunk moves the walk forward.
    const std::size_t chunk_size = std::max(kChunkSize, 2 * (overlap + 1));
    std::int64_t offset = std::max<std::int64_t>(from, 0);
    while (offset < file.length()) {
        file.seek(offset);
        const std::string chunk = file.read(chunk_size);
        if (visit(chunk, offset)) return;
        // A short chunk is the end of the file, or all that could be read of it.
        if (chunk.size() < chunk_size) return;
        offset += static_cast<std::int64_t>(chunk_size - overlap);
    }
}
