#pragma once
#include <cstdint>
#include <string>

// What one write did to the file: at offset, the bytes before became the bytes after.
// The record is the one the write was for (its row's address), so an undo can show it.
struct FileChange {
    std::int64_t record = 0;
    std::int64_t offset = 0;
    std::string before;
    std::string after;
};

// What every write does before it touches the file.
struct WriteOptions {
    // Keep FILE.bak, the file as it was before its first change, when there is none yet.
    bool backup = true;
};
