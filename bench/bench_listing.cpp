#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "config/file_session.h"
#include "bench/run_command.h"
#include "config/list_config_records.h"
#include "tests/support/memory_window.h"
#include "tests/support/temp_file.h"

namespace {

std::string unit_text(int unit) {
    char out[3];
    std::snprintf(out, sizeof out, "%02X", unit);
    return out;
}

// 191 slots, each holding a value of value_length bytes as a chain from the seed 30.
std::string full_config_file(int value_length) {
    std::string bytes = std::string("\x1A\x67\x32\x01\xBF", 5) + std::string(43, '\0');
    for (int slot = 0; slot <= 190; ++slot) {
        std::string chain = unit_text(0x30);
        int unit = 0x30;
        for (int i = 0; i < value_length; ++i) {
            unit += 'A' + (slot + i) % 26;
            if (unit > 255) unit -= 255;
            chain += unit_text(unit);
        }
        chain += unit_text(unit) + unit_text(unit);
        chain.resize(160, '\0');
        bytes += chain;
    }
    return bytes;
}

// The listing of a whole configuration file, as an intake runs it: 191 scans, rows and comments.
void list_full_config_file(benchmark::State& state) {
    TempDir dir;
    Harness h;
    h.session.has_reference_file = true;
    h.session.header_hex = "1A673201BF";
    h.profile.put("C-PND", "D0", "comment");
    const std::string path = dir.write("NaviConfig.dll", full_config_file(static_cast<int>(state.range(0))));
    if (!h.session.file.open_existing(path)) state.SkipWithError("cannot open the file");
    for (auto _ : state) {
        h.window.clear_rows();
        list_config_records(h.context);
        if (h.window.row_count() != 191) state.SkipWithError("not every slot was listed");
    }
}
BENCHMARK(list_full_config_file)->Arg(8)->Arg(77)->Unit(benchmark::kMillisecond);

// The same listing by tarvello-cli as a script runs it: the difference is the process's start.
void list_full_config_file_by_command_line(benchmark::State& state) {
    TempDir dir;
    const std::string path = dir.write("NaviConfig.dll", full_config_file(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        if (!run_command({TARVELLO_CLI, "list", path})) state.SkipWithError("tarvello-cli failed");
    }
}
BENCHMARK(list_full_config_file_by_command_line)->Arg(8)->Arg(77)->Unit(benchmark::kMillisecond);

}  // namespace
