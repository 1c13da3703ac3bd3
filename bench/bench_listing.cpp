#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/run_command.h"
#include "config/file_session.h"
#include "config/list_config_records.h"
#include "tests/support/config_bytes.h"
#include "tests/support/memory_window.h"
#include "tests/support/temp_file.h"

namespace {

// 191 slots, each holding a value of value_length bytes as a chain from the seed 30.
std::string full_config_file(int value_length) {
    std::vector<std::string> slots;
    for (int slot = 0; slot <= 190; ++slot) {
        std::string value;
        for (int i = 0; i < value_length; ++i) value += static_cast<char>('A' + (slot + i) % 26);
        slots.push_back(chain(value));
    }
    return config_file('\xBF', slots);
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
