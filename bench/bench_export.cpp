#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "bench/run_command.h"
#include "config/file_session.h"
#include "edit/export_decoded_content.h"
#include "tests/support/memory_window.h"
#include "tests/support/temp_file.h"

namespace {

// A configuration file of 4 MiB whose body is random two-digit units: one unbroken chain.
std::string four_mib_config_file() {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string bytes = std::string("\x1A\x67\x32\x01\xBF", 5) + std::string(43, '\0');
    std::mt19937 random(7);
    while (bytes.size() < 4u << 20) {
        const unsigned unit = random() & 0xFF;
        bytes += kDigits[unit >> 4];
        bytes += kDigits[unit & 15];
    }
    return bytes;
}

// The decoding alone, as a command line runs it without a window.
void decode_four_mib_body(benchmark::State& state) {
    TempDir dir;
    ByteFile file;
    if (!file.open_existing(dir.write("NaviConfig.dll", four_mib_config_file()))) state.SkipWithError("cannot open");
    for (auto _ : state) {
        const std::string decoded = decode_body(file, {});
        // Every unit pairs with the next, except the two skipped at 9C70 and 9C72.
        if (static_cast<std::int64_t>(decoded.size()) + 3 != (file.length() - 48) / 2) state.SkipWithError("the chain ended early");
    }
}
BENCHMARK(decode_four_mib_body)->Unit(benchmark::kMillisecond);

// The right click's whole work: dialog answer, progress and events, decoding, output file.
void export_four_mib_file(benchmark::State& state) {
    TempDir dir;
    Harness h;
    h.session.kind = kKindConfig;
    if (!h.session.file.open_existing(dir.write("NaviConfig.dll", four_mib_config_file()))) state.SkipWithError("cannot open");
    h.window.append_row("30", "");
    h.window.save_answer = dir.path("kld_dec");
    for (auto _ : state) export_decoded_content(h.context);
    state.counters["events_let_run"] = static_cast<double>(h.window.events_let_run) / static_cast<double>(state.iterations());
}
BENCHMARK(export_four_mib_file)->Unit(benchmark::kMillisecond);

// The same export by tarvello-cli as a script runs it: the difference is the process's start.
void export_four_mib_file_by_command_line(benchmark::State& state) {
    TempDir dir;
    const std::string path = dir.write("NaviConfig.dll", four_mib_config_file());
    for (auto _ : state) {
        if (!run_command({TARVELLO_CLI, "export", path, dir.path("kld_dec.txt")})) state.SkipWithError("tarvello-cli failed");
    }
}
BENCHMARK(export_four_mib_file_by_command_line)->Unit(benchmark::kMillisecond);

}  // namespace
