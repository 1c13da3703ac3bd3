// The export of a 4 MiB body: the decoding alone, the operation beside a plain C reference
// in one run, the right click's whole work, and the command line.
#include <benchmark/benchmark.h>
#include <time.h>

#include <cstdio>
#include <string>

#include "app/form/form.h"
#include "bench/bench_files.h"
#include "bench/quiet_view.h"
#include "bench/reference_export.h"
#include "bench/run_command.h"
#include "ops/export_body.h"

namespace {

// Every unit pairs with the next, except the two skipped at 9C70 and 9C72.
bool whole_chain(std::size_t decoded, std::int64_t length) {
    return static_cast<std::int64_t>(decoded) + 3 == (length - 48) / 2;
}

// The decoding alone, on the image in memory.
void decode_four_mib_body(benchmark::State& state) {
    const std::string image = four_mib_config_file();
    for (auto _ : state) {
        const std::string decoded = decode_body(image);
        if (!whole_chain(decoded.size(), static_cast<std::int64_t>(image.size()))) state.SkipWithError("the chain ended early");
        benchmark::DoNotOptimize(decoded.data());
    }
}
BENCHMARK(decode_four_mib_body)->Unit(benchmark::kMillisecond);

// decode_body on the image and the write, without the durable replace.
bool decode_and_write(const NaviFile& file, const std::string& target) {
    std::string image;
    if (file.file.read_all(image) == ByteFile::Read::failed) return false;
    const std::string out = export_bytes(decode_body(image));
    std::FILE* f = std::fopen(target.c_str(), "wb");
    const bool written = f && std::fwrite(out.data(), 1, out.size(), f) == out.size();
    return (f && std::fclose(f) == 0) && written;
}

// Seconds on the monotonic clock. Not <chrono>: its "µs" has no GBK form, and every
// narrow literal here is compiled to GBK.
double now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// export_body and decode-and-write, each beside the plain C reference, in turns within the
// same iterations so that both see the same machine. The design holds the export within
// 1.5 times the reference: the ratios are the counters to read.
void export_beside_reference(benchmark::State& state) {
    BenchFolder dir;
    const std::string path = dir.write("NaviConfig.dll", four_mib_config_file());
    const std::string ours = dir.path("export.txt");
    const std::string plain = dir.path("plain.txt");
    const std::string reference = dir.path("reference.txt");
    NaviFile file;
    if (open_file(path, file) != OpenOutcome::config) return state.SkipWithError("cannot open the file");
    double reference_time = 0, export_time = 0, plain_time = 0;
    bool ok = true;
    for (auto _ : state) {
        const double t0 = now();
        ok = reference_export(path.c_str(), reference.c_str()) == 0 && ok;
        const double t1 = now();
        ok = export_body(file, ours) == ExportOutcome::done && ok;
        const double t2 = now();
        ok = decode_and_write(file, plain) && ok;
        const double t3 = now();
        reference_time += t1 - t0;
        export_time += t2 - t1;
        plain_time += t3 - t2;
        state.SetIterationTime(t3 - t0);
    }
    // The reference is a floor only if it does the same work: the same bytes out.
    const std::string expected = read_bytes(reference);
    if (!ok || read_bytes(ours) != expected || read_bytes(plain) != expected) {
        return state.SkipWithError("an export failed or differs from the reference");
    }
    const double n = static_cast<double>(state.iterations());
    const auto ms = [n](double seconds) { return seconds * 1000 / n; };
    state.counters["reference_ms"] = ms(reference_time);
    state.counters["export_body_ms"] = ms(export_time);
    state.counters["decode_write_ms"] = ms(plain_time);
    state.counters["export_body_ratio"] = ms(export_time) / ms(reference_time);
    state.counters["decode_write_ratio"] = ms(plain_time) / ms(reference_time);
}
BENCHMARK(export_beside_reference)->UseManualTime()->Unit(benchmark::kMillisecond);

// The right click's whole work: dialog answer, progress and events, decoding, output file.
void export_four_mib_file(benchmark::State& state) {
    BenchFolder dir;
    QuietView view;
    EveryKeyProfile profile;
    Form form(view, profile);
    if (open_file(dir.write("NaviConfig.dll", four_mib_config_file()), form.file) != OpenOutcome::config)
        return state.SkipWithError("cannot open the file");
    view.append_row("30", "");
    view.save_answer = dir.path("kld_dec");
    for (auto _ : state) on_record_list_right_click(form);
    if (!whole_chain(read_bytes(dir.path("kld_dec.txt")).size() - 4, form.file.file.length()))
        state.SkipWithError("the export is not whole");
    state.counters["events_let_run"] = static_cast<double>(view.events_let_run) / static_cast<double>(state.iterations());
}
BENCHMARK(export_four_mib_file)->Unit(benchmark::kMillisecond);

// The same export by tarvello-cli as a script runs it: the difference is the process's start.
void export_four_mib_file_by_command_line(benchmark::State& state) {
    BenchFolder dir;
    const std::string path = dir.write("NaviConfig.dll", four_mib_config_file());
    for (auto _ : state) {
        if (!run_command({TARVELLO_CLI, "export", path, dir.path("kld_dec.txt")})) state.SkipWithError("tarvello-cli failed");
    }
}
BENCHMARK(export_four_mib_file_by_command_line)->Unit(benchmark::kMillisecond);

}  // namespace
