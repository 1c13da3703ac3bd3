#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/byte_file.h"

namespace os_file {

std::intptr_t open_existing(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return ByteFile::kNoHandle;
    // Root may write anything; the read-only attribute still has to refuse the open.
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return ByteFile::kNoHandle;
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    return fd < 0 ? ByteFile::kNoHandle : fd;
}

std::intptr_t open_for_reading(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return ByteFile::kNoHandle;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    return fd < 0 ? ByteFile::kNoHandle : fd;
}

void close(std::intptr_t handle) { ::close(static_cast<int>(handle)); }

std::int64_t length(std::intptr_t handle) {
    struct stat st {};
    return ::fstat(static_cast<int>(handle), &st) == 0 ? static_cast<std::int64_t>(st.st_size) : -1;
}

std::int64_t read_at(std::intptr_t handle, std::int64_t offset, char* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pread(static_cast<int>(handle), data + done, size - done, offset + static_cast<std::int64_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    return static_cast<std::int64_t>(done);
}

std::int64_t write_at(std::intptr_t handle, std::int64_t offset, const char* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pwrite(static_cast<int>(handle), data + done, size - done, offset + static_cast<std::int64_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return done ? static_cast<std::int64_t>(done) : -1;
        done += static_cast<std::size_t>(n);
    }
    return static_cast<std::int64_t>(done);
}

bool flush(std::intptr_t handle) { return ::fsync(static_cast<int>(handle)) == 0; }

bool exists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0;
}

}  // namespace os_file
