#include "ops/write_bytes.h"

#include <utility>

#include "ops/backup.h"

WriteBytesOutcome write_bytes(NaviFile& file, FileChange change, const WriteOptions& options, FileChange* done) {
    if (options.backup && ensure_backup(file) == BackupOutcome::failed) return WriteBytesOutcome::backup_failed;
    if (file.file.read_at(change.offset, change.after.size(), change.before) == ByteFile::Read::failed)
        return WriteBytesOutcome::failed;
    // From the attempt on, the bytes may be on the disk whatever the outcome: the change is
    // handed back even when the write, its flush or the read-back fails, so it can be undone.
    const bool written = file.file.write_at(change.offset, change.after) && file.file.flush();
    std::string read_back;
    const bool reads_back = written &&
                            file.file.read_at(change.offset, change.after.size(), read_back) == ByteFile::Read::ok &&
                            read_back == change.after;
    if (done) *done = std::move(change);
    return reads_back ? WriteBytesOutcome::done : WriteBytesOutcome::failed;
}
