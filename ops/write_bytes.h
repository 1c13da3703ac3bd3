#pragma once
#include "ops/file_change.h"
#include "ops/open_file.h"

enum class WriteBytesOutcome { done, backup_failed, failed };

// The one way bytes reach an open file: the backup first (when asked and none exists),
// then change.after at change.offset, flushed, and the bytes read back. change.before is
// filled from the disk just before the write; once the write was tried, `done` receives
// the whole change, also when it failed (its bytes may be on the disk all the same).
WriteBytesOutcome write_bytes(NaviFile& file, FileChange change, const WriteOptions& options, FileChange* done);
