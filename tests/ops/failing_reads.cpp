#include "failing_reads.h"

#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace {

ReadFilter* active = nullptr;

ssize_t filtered_pread(int fd, void* buffer, std::size_t size, off_t offset) {
    if (active && (*active)(offset, size)) {
        errno = EIO;
        return -1;
    }
    return static_cast<ssize_t>(::syscall(SYS_pread64, fd, buffer, size, offset));
}

}  // namespace

FailingReads::FailingReads(ReadFilter fails) { active = new ReadFilter(std::move(fails)); }

FailingReads::~FailingReads() {
    delete active;
    active = nullptr;
}

extern "C" ssize_t pread(int fd, void* buffer, std::size_t size, off_t offset) {
    return filtered_pread(fd, buffer, size, offset);
}

extern "C" ssize_t pread64(int fd, void* buffer, std::size_t size, off_t offset) {
    return filtered_pread(fd, buffer, size, offset);
}
