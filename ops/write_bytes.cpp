#include "ops/write_bytes.h"

#include <utility>

#include "ops/backup.h"

WriteBytesOutcome write_bytes(NaviFile& file, FileChange change, const WriteOptions& options, FileChange* done) {
    if (options.backup && ensure_backup(file) == BackupOutcome::failed) return WriteBytesOutcome::backup_failed;
    if (file.file.read_at(change.offset, change.after.size(), change.before) == ByteFile::Read::failed)
        return WriteBytesOutcome::failed;
    if (!file.file.write_at(change.offset, change.after) || !file.file.flush()) return WriteBytesOutcome::failed;
    std::string read_back;
    if (file.file.read_at(change.offset, change.after.size(), read_back) == ByteFile::Read::failed ||
        read_back != change.after)
        return WriteBytesOutcome::failed;
    if (done) *done = std::move(change);
    return WriteBytesOutcome::done;
}
