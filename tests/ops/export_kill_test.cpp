// An export killed at any moment leaves its target either as it was or complete: the
// export is written beside it and takes its name in one rename.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <string>

#include "format/unit_chain.h"
#include "ops/export_body.h"
#include "ops/open_file.h"
#include "tests/support/config_bytes.h"
#include "tests/support/temp_file.h"

namespace {

// Tens of MiB of body in one unbroken chain, so the decoding and the writing take long
// enough to be killed in the middle of either.
std::string large_config_file() {
    std::string out = config_file('\xBF', {});
    out.reserve(out.size() + (32u << 20));
    for (std::size_t i = 0; out.size() < (32u << 20); ++i) out += unit_text(static_cast<int>(i % 250) + 1);
    return out;
}

// <chrono> carries a character GBK lacks, and every literal here is compiled to GBK.
long long now_us() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000 + t.tv_nsec / 1000;
}

// Exports in a child process, killed after kill_after_us microseconds (never when negative);
// the child's exit status, -1 when it was killed.
int run_export(const std::string& source, const std::string& target, long long kill_after_us) {
    const pid_t child = fork();
    if (child == 0) {
        NaviFile file;
        open_file(source, file);
        _exit(export_body(file, target) == ExportOutcome::done ? 0 : 1);
    }
    if (kill_after_us >= 0) {
        usleep(static_cast<useconds_t>(kill_after_us));
        kill(child, SIGKILL);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ExportKilled, TheTargetIsTheOldContentOrTheCompleteExport) {
    TempDir dir;
    const std::string source = dir.write("NaviConfig.dll", large_config_file());
    const std::string complete = export_bytes(decode_body(read_file(source)));
    const std::string old_content = "an earlier export";
    const std::string target = dir.path("kld_dec.txt");

    // How long a whole export takes here, so that the kills fall all over it, the last
    // stretch (the writing) most densely.
    const long long started = now_us();
    ASSERT_EQ(run_export(source, target, -1), 0);
    const long long whole = now_us() - started;
    ASSERT_EQ(read_file(target), complete);

    for (const int percent : {0, 10, 30, 50, 70, 80, 85, 90, 93, 96, 98, 100, 103, 110, 150}) {
        SCOPED_TRACE(percent);
        dir.write("kld_dec.txt", old_content);
        run_export(source, target, whole * percent / 100);
        const std::string now = read_file(target);
        EXPECT_TRUE(now == old_content || now == complete) << "the target holds " << now.size() << " bytes";
    }
}

}  // namespace
