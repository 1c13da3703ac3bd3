#pragma once
// The writes made to the open file in this window, to be taken back and made again. An
// undo writes back exactly the bytes a write replaced, a redo the bytes it left, and only
// when the disk still holds what the last step left there: another program's change is
// never overwritten.
#include <vector>

#include "ops/file_change.h"
#include "ops/open_file.h"

enum class UndoOutcome { done, nothing, changed_elsewhere, backup_failed, write_failed };

class UndoHistory {
public:
    // A new write: it becomes the most recent, and what was undone can no longer be redone.
    void record(FileChange change);
    // Another file taken in: nothing of this one can be taken back there.
    void clear();

    // change receives the step taken (its record is the one to show).
    UndoOutcome undo(NaviFile& file, const WriteOptions& options, FileChange& change);
    UndoOutcome redo(NaviFile& file, const WriteOptions& options, FileChange& change);

private:
    std::vector<FileChange> done_;
    std::vector<FileChange> undone_;
};
