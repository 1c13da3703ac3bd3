#include "fuzz/io_watch.h"

#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>

namespace {

struct State {
    bool watching = false;
    dev_t device = 0;
    ino_t inode = 0;
    std::vector<io_watch::Write> writes;
    int flushes = 0;
    bool unflushed = false;
    bool fail_writes = false;
    bool fail_flushes = false;
};

State& state() {
    static State s;
    return s;
}

bool watched(int fd) {
    const State& s = state();
    struct stat st {};
    return s.watching && ::fstat(fd, &st) == 0 && st.st_dev == s.device && st.st_ino == s.inode;
}

ssize_t positioned_write(int fd, const void* data, size_t size, std::int64_t offset) {
    if (watched(fd)) {
        State& s = state();
        if (s.fail_writes) {
            errno = EIO;
            return -1;
        }
        s.writes.push_back({offset, static_cast<std::int64_t>(size)});
        s.unflushed = true;
    }
    return ::syscall(SYS_pwrite64, fd, data, size, offset);
}

}  // namespace

namespace io_watch {

void watch(const std::string& path) {
    State& s = state();
    struct stat st {};
    s.watching = ::stat(path.c_str(), &st) == 0;
    s.device = st.st_dev;
    s.inode = st.st_ino;
    reset();
}

void unwatch() {
    state().watching = false;
    reset();
}

void reset() {
    State& s = state();
    s.writes.clear();
    s.flushes = 0;
    s.unflushed = false;
    s.fail_writes = false;
    s.fail_flushes = false;
}

const std::vector<Write>& writes() { return state().writes; }
int flushes() { return state().flushes; }
bool unflushed() { return state().unflushed; }
void fail_writes() { state().fail_writes = true; }
void fail_flushes() { state().fail_flushes = true; }

}  // namespace io_watch

extern "C" ssize_t pwrite(int fd, const void* data, size_t size, off_t offset) {
    return positioned_write(fd, data, size, offset);
}

extern "C" ssize_t pwrite64(int fd, const void* data, size_t size, off64_t offset) {
    return positioned_write(fd, data, size, offset);
}

// A flush is recorded, never made: what reaches the platter is nothing a case can see, and
// a flush per write, backup and export would slow the runs down a hundredfold.
extern "C" int fsync(int fd) {
    if (!watched(fd)) return 0;
    State& s = state();
    if (s.fail_flushes) {
        errno = EIO;
        return -1;
    }
    ++s.flushes;
    s.unflushed = false;
    return 0;
}
