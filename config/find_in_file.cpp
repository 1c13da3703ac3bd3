#include "config/find_in_file.h"

#include "config/file_chunks.h"

std::int64_t find_in_file(ByteFile& file, std::int64_t from, std::string_view pattern) {
    if (pattern.empty()) return -1;
    std::int64_t found = -1;
    walk_chunks(file, from, pattern.size() - 1, [&](std::string_view chunk, std::int64_t offset) {
        const std::size_t at = chunk.find(pattern);
        if (at == std::string_view::npos) return false;
        found = offset + static_cast<std::int64_t>(at);
        return true;
    });
    return found;
}
