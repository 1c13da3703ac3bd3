#pragma once
// Files that are written whole (exports, backups, ziz_ivi.ini): never truncated in place.
// The new content goes to a temporary file in the target's folder, is flushed to the
// device, and takes the target's name in one rename, so a process killed at any moment
// leaves the target either as it was or complete.
#include <string>
#include <string_view>

enum class ReplaceOutcome {
    done,
    read_only,  // the target exists and its permissions refuse writing; nothing written
    failed,     // the temporary file could not be made, written, flushed or renamed; target as it was
};

ReplaceOutcome replace_file(const std::string& path, std::string_view bytes);

enum class CreateOutcome { done, exists, failed };

// Like replace_file, but a file of that name is never replaced: when one exists (or
// appears meanwhile) nothing is written.
CreateOutcome create_file(const std::string& path, std::string_view bytes);

// The whole content of a file by name; false when it cannot be opened or read.
bool read_whole_file(const std::string& path, std::string& bytes);

// What a name stands for: nothing, a regular file (through links), or anything else (a
// folder, a link to nothing, a device).
enum class PathKind { missing, file, other };
PathKind path_kind(const std::string& path);

// Whether two names reach the same file (device and inode; volume and file index on
// Windows), so "./F", links and another letter case all count. False when either is missing.
bool same_file(const std::string& a, const std::string& b);
