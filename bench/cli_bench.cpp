// tarvello-cli as a script runs it, against the same work done inside one process, so the
// cost of starting the program can be told apart from the work.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "cli/console_window.h"
#include "cli/ini_reader.h"
#include "config/file_session.h"
#include "config/intake_file.h"
#include "edit/export_decoded_content.h"

namespace {

// 191 slots of "slot i" chains, or a 4 MiB body that is one long run of units.
std::string config_file(std::size_t size) {
    std::string out = std::string("\x1A\x67\x32\x01\xBF", 5) + std::string(43, '\x55');
    int unit = 0x30;
    char text[3];
    while (out.size() < size) {
        unit = unit % 250 + 1;
        std::snprintf(text, sizeof text, "%02X", unit);
        out += text;
    }
    return out;
}

const std::string& fixture(std::size_t size) {
    static std::string small, large;
    std::string& path = size < 100000 ? small : large;
    if (path.empty()) {
        path = "/tmp/tarvello-bench-" + std::to_string(size) + ".dll";
        std::ofstream(path, std::ios::binary) << config_file(size);
    }
    return path;
}

constexpr std::size_t kListing = 48 + 160 * 191;
constexpr std::size_t kExport = 4 << 20;

void run(const std::string& command) {
    if (std::system((command + " >/dev/null 2>&1").c_str()) != 0) std::abort();
}

void BM_ListInProcess(benchmark::State& state) {
    for (auto _ : state) {
        FileSession session;
        ConsoleWindow window;
        IniReader profile;
        Context context{session, window, profile, {}};
        intake_file(context, fixture(kListing));
        benchmark::DoNotOptimize(window.row_count());
    }
}
BENCHMARK(BM_ListInProcess)->Unit(benchmark::kMillisecond);

void BM_ListProcess(benchmark::State& state) {
    for (auto _ : state) run(std::string(TARVELLO_CLI) + " list " + fixture(kListing));
}
BENCHMARK(BM_ListProcess)->Unit(benchmark::kMillisecond);

void BM_ExportInProcess(benchmark::State& state) {
    for (auto _ : state) {
        FileSession session;
        ConsoleWindow window;
        IniReader profile;
        Context context{session, window, profile, {}};
        intake_file(context, fixture(kExport));
        write_export_file("/tmp/tarvello-bench-out", decode_body(session.file, {}));
    }
}
BENCHMARK(BM_ExportInProcess)->Unit(benchmark::kMillisecond);

void BM_ExportProcess(benchmark::State& state) {
    for (auto _ : state) run(std::string(TARVELLO_CLI) + " export " + fixture(kExport) + " /tmp/tarvello-bench-out");
}
BENCHMARK(BM_ExportProcess)->Unit(benchmark::kMillisecond);

}  // namespace
