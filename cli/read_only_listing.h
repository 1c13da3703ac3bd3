#pragma once
// A file's records for comparing. Opening for writing refuses a read-only file, but a
// backup or a copy on a write-protected card must still be compared, so diff opens for
// reading only and lists by the same operations as list.
#include <string>
#include <vector>

#include "ops/list_records.h"
#include "ops/open_file.h"

struct Listing {
    FileKind kind = FileKind::none;  // none: neither a configuration file nor a module
    std::vector<Record> records;
};

enum class ReadListing { listed, unreadable };

ReadListing read_listing(const std::string& path, Listing& listing);
