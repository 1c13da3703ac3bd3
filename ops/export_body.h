#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "ops/open_file.h"

enum class ExportOutcome {
    done,
    onto_itself,  // the target is the open file (by identity, whatever the name)
    read_failed,
    read_only,    // the target exists and may not be written
    write_failed,
};

// Told now and then how far the decoding is: passes done of about total.
using ExportProgress = std::function<void(std::int64_t done, std::int64_t total)>;

// The whole body decoded as one chain, saved to target as a 4-byte little-endian length
// and the decoded bytes. The target is replaced in one step: it is either as it was or
// complete, never cut short.
ExportOutcome export_body(const NaviFile& file, const std::string& target, const ExportProgress& progress = {});

// The export file's bytes for a decoded body.
std::string export_bytes(const std::string& decoded);
