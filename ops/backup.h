#pragma once
// FILE.bak beside FILE: the file as it was before the user's first change. Made once and
// never replaced, by a later write or a later run.
#include <string>

#include "ops/open_file.h"

std::string backup_path(const std::string& path);

enum class BackupOutcome { kept, made, failed };

// Copies the file's bytes as they are now to FILE.bak when there is none; a half-written
// backup never exists under that name.
BackupOutcome ensure_backup(const NaviFile& file);

enum class RestoreOutcome { done, no_backup, failed };

// FILE.bak copied back over FILE in one step; FILE.bak stays.
RestoreOutcome restore_backup(const std::string& path);
