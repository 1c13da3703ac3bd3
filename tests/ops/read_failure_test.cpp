#include <gtest/gtest.h>

#include <string>

#include "app/form/form.h"
#include "failing_reads.h"
#include "ops/export_body.h"
#include "ops/hints.h"
#include "ops/list_records.h"
#include "ops/read_record.h"
#include "ops/undo_history.h"
#include "ops/write_value.h"
#include "ops_file.h"
#include "tests/support/memory_window.h"

namespace {

constexpr WriteOptions kNoBackup{.backup = false};

bool every_read(off_t, std::size_t) { return true; }
// The identification reads the first five bytes; everything after it fails.
bool after_the_header(off_t offset, std::size_t size) { return offset != 0 || size != 5; }

// A file that cannot be read is not a foreign file: the user must not be told it is not one.
TEST(ReadFailure, WhileIdentifyingIsNoRejection) {
    const struct {
        const char* name;
        std::string bytes;
        ReadFilter fails;
    } cases[] = {
        {"configuration file, header unread", four_and_a_bit(), every_read},
        {"module, port scan unread", module_bytes(), after_the_header},
        {"no port text at all, scan unread", std::string(300, 'x'), after_the_header},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string path = dir.write("NaviConfig.dll", c.bytes);
        NaviFile file;
        Harness h;
        {
            FailingReads failing(c.fails);
            EXPECT_EQ(open_file(path, file), OpenOutcome::read_failed);
            take_in_file(h.form, path);
        }
        EXPECT_FALSE(file.is_open());
        EXPECT_EQ(file.kind, FileKind::none);
        EXPECT_EQ(h.view.hint(), hint::kReadFailed);
        EXPECT_FALSE(h.form.file.is_open());
        EXPECT_EQ(h.view.row_count(), 0);
    }
}

TEST(ReadFailure, WhileListingEmptiesTheList) {
    TempDir dir;
    const std::string path = dir.write("NaviConfig.dll", four_and_a_bit());
    Harness h;
    h.view.rows = {{"30", "stale", ""}};
    {
        FailingReads failing(after_the_header);
        take_in_file(h.form, path);
    }
    EXPECT_EQ(h.view.hint(), hint::kReadFailed);
    EXPECT_EQ(h.view.row_count(), 0);
    EXPECT_FALSE(h.form.busy);
}

// Whatever cannot be read is never taken for an empty record, an empty body or bytes
// that may be overwritten.
TEST(ReadFailure, IsReportedByEveryOperation) {
    OpsFile f(four_and_a_bit());
    const std::string before = f.on_disk();
    UndoHistory history;
    FileChange change;
    ASSERT_EQ(write_value(f.file, 0xD0, "N", kNoBackup, &change), WriteOutcome::done);
    history.record(change);
    const std::string written = f.on_disk();

    FailingReads failing(every_read);
    std::string value = "stale";
    EXPECT_EQ(read_record(f.file, 0x30, value), ReadOutcome::read_failed);
    EXPECT_EQ(value, "");
    EXPECT_EQ(list_config_records(f.file, [](int, const Record&) {}), ListOutcome::read_failed);
    EXPECT_EQ(export_body(f.file, f.dir.path("kld_dec.txt")), ExportOutcome::read_failed);
    EXPECT_FALSE(file_exists(f.dir.path("kld_dec.txt")));
    EXPECT_EQ(write_value(f.file, 0x30, "AB", kNoBackup), WriteOutcome::write_failed);
    EXPECT_EQ(history.undo(f.file, kNoBackup, change), UndoOutcome::write_failed);
    EXPECT_EQ(f.on_disk(), written);
    EXPECT_NE(written, before);
}

TEST(ReadFailure, OffsetBoxShowsTheHintAndKeepsTheValue) {
    TempDir dir;
    Harness h;
    take_in_file(h.form, dir.write("NaviConfig.dll", four_and_a_bit()));
    ASSERT_EQ(h.view.row_count(), 5);
    h.view.texts[ControlId::offset_box] = "30";
    h.view.texts[ControlId::value_box] = "kept";
    FailingReads failing(every_read);
    on_offset_box_key(h.form, BoxKey::enter);
    EXPECT_EQ(h.view.hint(), hint::kReadFailed);
    EXPECT_EQ(h.view.texts[ControlId::value_box], "kept");
}

TEST(ReadFailure, ExportShowsTheHintAndWritesNothing) {
    TempDir dir;
    Harness h;
    take_in_file(h.form, dir.write("NaviConfig.dll", four_and_a_bit()));
    h.view.save_answer = dir.path("kld_dec");
    {
        FailingReads failing(every_read);
        on_record_list_right_click(h.form);
    }
    EXPECT_EQ(h.view.hint(), hint::kReadFailed);
    EXPECT_FALSE(h.view.progress_shown);
    EXPECT_FALSE(h.form.busy);
    EXPECT_FALSE(file_exists(dir.path("kld_dec.txt")));
}

}  // namespace
