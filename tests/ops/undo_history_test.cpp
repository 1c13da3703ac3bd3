#include "ops/undo_history.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ops/patch_module.h"
#include "ops/write_value.h"
#include "ops_file.h"

namespace {

constexpr WriteOptions kNoBackup{.backup = false};

// A configuration file with the history of the writes made to it, as the window keeps them.
struct History : OpsFile {
    UndoHistory history;
    std::vector<std::string> snapshots;  // the file before the first write and after each

    History() : OpsFile(four_and_a_bit()) { snapshots.push_back(on_disk()); }

    void write(std::int64_t offset, const std::string& value) {
        FileChange change;
        ASSERT_EQ(write_value(file, offset, value, kNoBackup, &change), WriteOutcome::done);
        history.record(change);
        snapshots.push_back(on_disk());
    }
    UndoOutcome undo(FileChange* taken = nullptr) {
        FileChange change;
        const UndoOutcome outcome = history.undo(file, kNoBackup, change);
        if (taken) *taken = change;
        return outcome;
    }
    UndoOutcome redo() {
        FileChange change;
        return history.redo(file, kNoBackup, change);
    }
};

TEST(UndoHistory, UndoAndRedoRestoreTheBytesExactly) {
    History h;
    h.write(0xD0, "N");
    FileChange taken;
    ASSERT_EQ(h.undo(&taken), UndoOutcome::done);
    EXPECT_EQ(h.on_disk(), h.snapshots[0]);
    EXPECT_EQ(taken.record, 0xD0);
    ASSERT_EQ(h.redo(), UndoOutcome::done);
    EXPECT_EQ(h.on_disk(), h.snapshots[1]);
}

TEST(UndoHistory, StepsBackAndForwardThroughSeveralWrites) {
    History h;
    h.write(0x30, "AB");
    h.write(0xD0, "N");
    h.write(0x30, "longer than hello");  // the same record twice
    for (int step = 3; step > 0; --step) {
        ASSERT_EQ(h.undo(), UndoOutcome::done);
        EXPECT_EQ(h.on_disk(), h.snapshots[step - 1]) << step;
    }
    EXPECT_EQ(h.undo(), UndoOutcome::nothing);
    EXPECT_EQ(h.on_disk(), h.snapshots[0]);
    for (int step = 1; step <= 3; ++step) {
        ASSERT_EQ(h.redo(), UndoOutcome::done);
        EXPECT_EQ(h.on_disk(), h.snapshots[step]) << step;
    }
    EXPECT_EQ(h.redo(), UndoOutcome::nothing);
}

TEST(UndoHistory, ANewWriteDropsWhatCouldBeRedone) {
    History h;
    h.write(0x30, "AB");
    h.write(0xD0, "N");
    ASSERT_EQ(h.undo(), UndoOutcome::done);
    h.write(0x170, "Z");
    EXPECT_EQ(h.redo(), UndoOutcome::nothing);
    ASSERT_EQ(h.undo(), UndoOutcome::done);
    ASSERT_EQ(h.undo(), UndoOutcome::done);
    EXPECT_EQ(h.on_disk(), h.snapshots[0]);
}

TEST(UndoHistory, NothingToTakeBackOrAfterClear) {
    History h;
    EXPECT_EQ(h.undo(), UndoOutcome::nothing);
    EXPECT_EQ(h.redo(), UndoOutcome::nothing);
    h.write(0x30, "AB");
    h.history.clear();
    EXPECT_EQ(h.undo(), UndoOutcome::nothing);
    EXPECT_EQ(h.on_disk(), h.snapshots[1]);
}

// Another program changed the bytes the step would put back: its change is never overwritten.
TEST(UndoHistory, RefusesWhenTheBytesWereChangedElsewhere) {
    {
        History h;
        h.write(0xD0, "N");
        change_on_disk(h.path, 0xD2, "77");
        const std::string changed = h.on_disk();
        EXPECT_EQ(h.undo(), UndoOutcome::changed_elsewhere);
        EXPECT_EQ(h.on_disk(), changed);
    }
    {
        History h;
        h.write(0xD0, "N");
        ASSERT_EQ(h.undo(), UndoOutcome::done);
        change_on_disk(h.path, 0xD4, "77");
        const std::string changed = h.on_disk();
        EXPECT_EQ(h.redo(), UndoOutcome::changed_elsewhere);
        EXPECT_EQ(h.on_disk(), changed);
    }
}

TEST(UndoHistory, TakesBackAModulePatch) {
    OpsFile f(module_bytes(), "navione.dll");
    const std::string original = f.on_disk();
    UndoHistory history;
    FileChange change;
    ASSERT_EQ(patch_rate(f.file, 0x9E, "57600", kNoBackup, &change), PatchOutcome::done);
    history.record(change);
    const std::string patched = f.on_disk();
    FileChange taken;
    ASSERT_EQ(history.undo(f.file, kNoBackup, taken), UndoOutcome::done);
    EXPECT_EQ(f.on_disk(), original);
    EXPECT_EQ(taken.record, 0x9E);
    ASSERT_EQ(history.redo(f.file, kNoBackup, taken), UndoOutcome::done);
    EXPECT_EQ(f.on_disk(), patched);
}

}  // namespace
