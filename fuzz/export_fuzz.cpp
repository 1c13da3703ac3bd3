// The export of any file: the body decodes as one chain that steps over the units at 9C70
// and 9C72 and ends at the first pass whose next unit is not whole; the output holds the
// decoded length and bytes and replaces the target whole, leaving no temporary file; the
// source is only read. An export onto the open file itself, by whatever name, is refused
// and changes nothing; a read-only target stays as it was; handlers that would reopen or
// write the file while the export lets events in do nothing.
//
// Input: the shape bytes (flag 10: the target exists and is read-only; flag 20: the answer
// names the open file itself, by its name, through "./" or by a hard link, as the choice
// byte says; flag 40: the save dialog is cancelled; flag 80: other handlers try to run
// while the export lets events in), then the file's bytes.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "ops/export_body.h"

namespace {

constexpr std::string_view kOldExport = "an earlier export";

// decode_body and export_body on their own, over any file.
void check_ops(const FuzzCase& c, const std::string& bytes, const std::string& expected) {
    std::int64_t last = 0;
    const std::string decoded = decode_body(bytes, [&last](std::int64_t passes) {
        FUZZ_CHECK(passes == last + kPassesPerReport);
        last = passes;
    });
    FUZZ_CHECK(decoded == expected);
    FUZZ_CHECK(last == static_cast<std::int64_t>(expected.size()) / kPassesPerReport * kPassesPerReport);

    NaviFile file;
    file.path = c.path;
    FUZZ_CHECK(file.file.open_existing(c.path));
    const std::string direct = c.folder.path("direct.txt");
    FUZZ_CHECK(export_body(file, direct) == ExportOutcome::done);
    FUZZ_CHECK(file_bytes(direct) == with_length(expected));
    FUZZ_CHECK(::unlink(direct.c_str()) == 0);
    // A folder that does not exist takes no export, and nothing is left behind.
    const std::string nowhere = c.folder.path("missing/exported.txt");
    FUZZ_CHECK(export_body(file, nowhere) == ExportOutcome::write_failed);
    FUZZ_CHECK(!exists(nowhere));
}

// The save dialog's answer naming the open file (its export goes to answer + ".txt").
std::string answer_onto_itself(const FuzzCase& c, std::uint8_t choice) {
    switch (choice % 3) {
    case 0: return c.folder.path("kld");
    case 1: return c.folder.dir() + "/./kld";
    default:
        FUZZ_CHECK(::link(c.path.c_str(), c.folder.path("alias.txt").c_str()) == 0);
        return c.folder.path("alias");
    }
}

void check_progress(const MemoryView& v, std::int64_t length, std::int64_t reports) {
    FUZZ_CHECK(!v.progress.empty());
    FUZZ_CHECK(v.progress.front().done == 0);
    for (std::size_t i = 0; i < v.progress.size(); ++i) {
        FUZZ_CHECK(v.progress[i].total == length / 2);
        if (i > 0) FUZZ_CHECK(v.progress[i].done == v.progress[i - 1].done + kPassesPerReport);
    }
    FUZZ_CHECK(static_cast<std::int64_t>(v.progress.size()) == reports + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const Shape shape = read_shape(in);
    const std::string bytes = shaped_file(shape, in.rest(), Tiles::kPastSkippedUnits);
    const std::string expected = body_decoded(bytes);
    const bool onto_itself = shape.flags & kFlag20;
    const bool read_only_target = (shape.flags & kFlag10) && !onto_itself;
    const bool cancelled = shape.flags & kFlag40;

    FuzzCase c(bytes, onto_itself ? "kld.txt" : "navi.dll");
    if (shape.flags & kTiled) {
        open_without_listing(c);
    } else {
        on_files_dropped(c.form, c.path);
    }
    const bool exports = c.form.file.kind == FileKind::config && c.form.file.is_open();
    // Only a configuration file gets to the export; the decoding itself takes any file.
    if (!exports) check_ops(c, bytes, expected);

    const std::string chosen = onto_itself ? answer_onto_itself(c, shape.choice) : c.folder.path("exported");
    const std::string target = chosen + ".txt";
    if (read_only_target) {
        c.folder.write("exported.txt", kOldExport);
        FUZZ_CHECK(::chmod(target.c_str(), 0444) == 0);
    }
    const auto names = c.folder.names();
    c.view.save_answer = cancelled ? "" : chosen;
    c.view.set_text(ControlId::hint_line, "");
    if (shape.flags & kFlag80) try_handlers_while_busy(c);
    io_watch::reset();

    on_record_list_right_click(c.form);

    check_nothing_written();
    FUZZ_CHECK(c.on_disk() == bytes);
    FUZZ_CHECK(!c.form.busy);
    FUZZ_CHECK(!c.view.progress_shown);
    FUZZ_CHECK(c.view.save_asked == (exports ? 1 : 0));
    auto names_after = names;
    if (!exports || cancelled) {
        FUZZ_CHECK(c.view.progress.empty());
        FUZZ_CHECK(c.view.hint().empty());
    } else if (onto_itself) {
        FUZZ_CHECK(c.view.hint() == hint::kExportOntoItself);
        check_progress(c.view, static_cast<std::int64_t>(bytes.size()), 0);
    } else if (read_only_target) {
        FUZZ_CHECK(c.view.hint() == hint::kExportFailed);
        FUZZ_CHECK(file_bytes(target) == kOldExport);
        check_progress(c.view, static_cast<std::int64_t>(bytes.size()), expected.size() / kPassesPerReport);
    } else {
        FUZZ_CHECK(c.view.hint().empty());
        FUZZ_CHECK(file_bytes(target) == with_length(expected));
        check_progress(c.view, static_cast<std::int64_t>(bytes.size()), expected.size() / kPassesPerReport);
        names_after.insert("exported.txt");
    }
    FUZZ_CHECK(c.folder.names() == names_after);
    return 0;
}
