// The listing of a whole configuration file: the operation alone, the intake as the window
// runs it (rows, comments, events), and the command line on the same file.
#include <benchmark/benchmark.h>

#include <string>

#include "app/form/form.h"
#include "bench/bench_files.h"
#include "bench/quiet_view.h"
#include "bench/run_command.h"
#include "ops/list_records.h"

namespace {

// 191 slots decoded into records.
void list_full_config_file(benchmark::State& state) {
    BenchFolder dir;
    NaviFile file;
    if (open_file(dir.write("NaviConfig.dll", full_config_file(static_cast<int>(state.range(0)))), file) !=
        OpenOutcome::config)
        return state.SkipWithError("cannot open the file");
    for (auto _ : state) {
        int records = 0;
        list_config_records(file, [&records](int, const Record&) { ++records; });
        if (records != 191) state.SkipWithError("not every slot was listed");
    }
}
BENCHMARK(list_full_config_file)->Arg(8)->Arg(77)->Unit(benchmark::kMillisecond);

// The intake of the same file by the window's handler: open, identify, list, comment.
void take_in_full_config_file(benchmark::State& state) {
    BenchFolder dir;
    const std::string path = dir.write("NaviConfig.dll", full_config_file(static_cast<int>(state.range(0))));
    QuietView view;
    EveryKeyProfile profile;
    Form form(view, profile, dir.path("ziz_ivi.ini"));
    form.has_reference_file = true;
    for (auto _ : state) {
        take_in_file(form, path);
        if (view.rows != 191) state.SkipWithError("not every slot was listed");
    }
}
BENCHMARK(take_in_full_config_file)->Arg(8)->Arg(77)->Unit(benchmark::kMillisecond);

// The same listing by tarvello-cli as a script runs it: the difference is the process's start.
void list_full_config_file_by_command_line(benchmark::State& state) {
    BenchFolder dir;
    const std::string path = dir.write("NaviConfig.dll", full_config_file(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        if (!run_command({TARVELLO_CLI, "list", path})) state.SkipWithError("tarvello-cli failed");
    }
}
BENCHMARK(list_full_config_file_by_command_line)->Arg(8)->Arg(77)->Unit(benchmark::kMillisecond);

}  // namespace
