#include <gtest/gtest.h>
#include <sys/resource.h>

#include <time.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "config/file_session.h"
#include "config/intake_file.h"
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

// A module of 64 MiB, zero bytes but for its port text near the end, is identified
// without the process holding the file.
TEST(LargeModule, IsIdentifiedWithoutHoldingItInMemory) {
    constexpr std::int64_t kSize = 64LL * 1024 * 1024;
    constexpr std::int64_t kPortAt = kSize - 1000;
    TempDir dir;
    const std::string path = dir.write("navione.dll", "MZ");
    std::filesystem::resize_file(path, kSize);
    {
        std::fstream out(path, std::ios::binary | std::ios::in | std::ios::out);
        out.seekp(kPortAt);
        out << "COM4:";
    }

    Harness h;
    const long peak_before = peak_resident_kib();
    const double started = seconds_now();
    intake_file(h.context, path);
    const double took_ms = (seconds_now() - started) * 1000;
    const long growth_kib = peak_resident_kib() - peak_before;
    std::printf("64 MiB module identified in %.0f ms; peak resident memory grew by %ld KiB\n", took_ms, growth_kib);

    EXPECT_EQ(h.session.kind, kKindModule);
    EXPECT_EQ(h.session.port_digit, "4");
    EXPECT_EQ(h.session.port_offset, kPortAt);
    EXPECT_TRUE(h.session.is_open());
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer's quarantine keeps freed chunks resident";
#else
    EXPECT_LT(growth_kib, 16 * 1024);
#endif
}

}  // namespace
