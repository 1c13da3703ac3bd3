#include "ops/undo_history.h"

#include <utility>

#include "ops/write_bytes.h"

namespace {

// Moves the last step of `from` to `to` once the disk holds `expected` and then `wanted`.
UndoOutcome step(NaviFile& file, const WriteOptions& options, std::vector<FileChange>& from,
                 std::vector<FileChange>& to, bool backwards, FileChange& taken) {
    if (from.empty()) return UndoOutcome::nothing;
    const FileChange& last = from.back();
    const std::string& expected = backwards ? last.after : last.before;
    const std::string& wanted = backwards ? last.before : last.after;
    std::string on_disk;
    if (file.file.read_at(last.offset, expected.size(), on_disk) == ByteFile::Read::failed)
        return UndoOutcome::write_failed;
    if (on_disk != expected) return UndoOutcome::changed_elsewhere;
    switch (write_bytes(file, FileChange{last.record, last.offset, {}, wanted}, options, nullptr)) {
    case WriteBytesOutcome::backup_failed: return UndoOutcome::backup_failed;
    case WriteBytesOutcome::failed: return UndoOutcome::write_failed;
    case WriteBytesOutcome::done: break;
    }
    taken = last;
    to.push_back(std::move(from.back()));
    from.pop_back();
    return UndoOutcome::done;
}

}  // namespace

void UndoHistory::record(FileChange change) {
    done_.push_back(std::move(change));
    undone_.clear();
}

void UndoHistory::clear() {
    done_.clear();
    undone_.clear();
}

UndoOutcome UndoHistory::undo(NaviFile& file, const WriteOptions& options, FileChange& change) {
    return step(file, options, done_, undone_, true, change);
}

UndoOutcome UndoHistory::redo(NaviFile& file, const WriteOptions& options, FileChange& change) {
    return step(file, options, undone_, done_, false, change);
}
