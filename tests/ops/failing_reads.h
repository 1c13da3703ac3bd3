#pragma once
// Reads the system refuses (a device error, a locked range), which no file on a healthy
// disk gives: the test program puts its own pread in front of the C library's. Should a
// build route the program's reads around it, the tests that need a failure fail.
#include <sys/types.h>

#include <cstddef>
#include <functional>

using ReadFilter = std::function<bool(off_t offset, std::size_t size)>;

// While it lives, every pread for which `fails` says true fails with EIO.
class FailingReads {
public:
    explicit FailingReads(ReadFilter fails);
    ~FailingReads();
    FailingReads(const FailingReads&) = delete;
    FailingReads& operator=(const FailingReads&) = delete;
};
