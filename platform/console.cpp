#include "platform/console.h"

#include <cstdio>

std::FILE* file_of(Stream stream) { return stream == Stream::out ? stdout : stderr; }

void Terminal::bytes(Stream stream, std::string_view bytes) {
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file_of(stream)) == bytes.size();
    if (!written && stream == Stream::out) output_failed_ = true;
}

bool Terminal::finish() {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) output_failed_ = true;
    std::fflush(stderr);
    return !output_failed_;
}
