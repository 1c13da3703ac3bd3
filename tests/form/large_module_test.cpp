#include <gtest/gtest.h>
#include <sys/resource.h>

#include <time.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tests/support/memory_window.h"
#include "tests/support/temp_file.h"

namespace {

// <chrono> cannot be compiled for a GBK execution character set; the POSIX clock can.
double seconds_now() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

long peak_resident_kib() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A module of 64 MiB, zero bytes but for its port text near the end, is identified and
// listed without the process holding the file.
TEST(LargeModule, IsTakenInWithoutHoldingItInMemory) {
    constexpr std::int64_t kSize = 64LL * 1024 * 1024;
    constexpr std::int64_t kPortAt = kSize - 1000;
    TempDir dir;
    const std::string path = dir.write("navione.dll", "MZ");
    std::filesystem::resize_file(path, kSize);
    change_on_disk(path, kPortAt, "COM4:");

    Harness h;
    const long peak_before = peak_resident_kib();
    const double started = seconds_now();
    take_in_file(h.form, path);
    const double took_ms = (seconds_now() - started) * 1000;
    const long growth_kib = peak_resident_kib() - peak_before;
    std::printf("64 MiB module taken in in %.0f ms; peak resident memory grew by %ld KiB\n", took_ms, growth_kib);

    EXPECT_EQ(h.form.file.kind, FileKind::module);
    EXPECT_EQ(h.form.file.port.digit, 4);
    EXPECT_EQ(h.form.file.port.offset, kPortAt);
    EXPECT_TRUE(h.form.file.is_open());
    EXPECT_EQ(h.view.rows, (std::vector<std::vector<std::string>>{{"3FFFC18", "COM4:", ""}}));
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer's quarantine keeps freed chunks resident";
#else
    EXPECT_LT(growth_kib, 16 * 1024);
#endif
}

}  // namespace
