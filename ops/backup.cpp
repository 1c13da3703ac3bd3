#include "ops/backup.h"

#include "platform/whole_file.h"

std::string backup_path(const std::string& path) { return path + ".bak"; }

BackupOutcome ensure_backup(const NaviFile& file) {
    const std::string backup = backup_path(file.path);
    // Only a file keeps the original: a folder or a dangling link of that name keeps nothing,
    // and writing on regardless would leave the user without a way back.
    switch (path_kind(backup)) {
    case PathKind::file: return BackupOutcome::kept;
    case PathKind::other: return BackupOutcome::failed;
    case PathKind::missing: break;
    }
    std::string image;
    if (file.file.read_all(image) == ByteFile::Read::failed) return BackupOutcome::failed;
    switch (create_file(backup, image)) {
    case CreateOutcome::done: return BackupOutcome::made;
    case CreateOutcome::exists: return BackupOutcome::kept;  // made meanwhile by another run
    default: return BackupOutcome::failed;
    }
}

RestoreOutcome restore_backup(const std::string& path) {
    std::string image;
    if (path_kind(backup_path(path)) != PathKind::file) return RestoreOutcome::no_backup;
    if (!read_whole_file(backup_path(path), image)) return RestoreOutcome::failed;
    return replace_file(path, image) == ReplaceOutcome::done ? RestoreOutcome::done : RestoreOutcome::failed;
}
