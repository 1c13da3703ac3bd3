#pragma once
// What the core does to one file at the system's door: every positioned write and every
// flush of that file (by device and inode, whatever descriptor or name) is recorded, and
// either can be made to fail, as a full disk or a failing device would. The fuzz programs
// define pwrite and fsync themselves (io_watch.cpp), ahead of the C library's; their fsync
// records the flush without making it.
#include <cstdint>
#include <string>
#include <vector>

namespace io_watch {

struct Write {
    std::int64_t offset = 0;
    std::int64_t size = 0;
};

// Watches the file the path names now; nothing is watched before.
void watch(const std::string& path);
void unwatch();

// Forgets what was recorded and what was to fail.
void reset();
const std::vector<Write>& writes();
int flushes();
// A write done after the last successful flush, or a write whose flush failed.
bool unflushed();

// From now until reset: the file's writes fail before writing anything, its flushes fail
// after the writes reached the file.
void fail_writes();
void fail_flushes();

}  // namespace io_watch
