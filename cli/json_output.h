#pragma once
// The documents of --json: UTF-8 whatever the terminal's encoding. A value is given as
// text; when its bytes are not GBK that text cannot be exact, and "<key>_hex" gives the
// bytes themselves.
#include <cstdint>
#include <string>
#include <vector>

#include "cli/record_diff.h"
#include "ops/open_file.h"

struct ListedRow {
    std::string address;
    std::string value;    // GBK
    std::string comment;  // GBK; a configuration file's only
};

// {"kind": "config", "edition": "C-PND", "records": [{"address", "value", "comment"}...]}
// or {"kind": "module", "records": [{"address", "value"}...]}
std::string list_document(FileKind kind, Edition edition, const std::vector<ListedRow>& rows);

// {"address": "30", "value": "..."}
std::string get_document(std::int64_t offset, const std::string& value);

// {"kind", "a": path, "b": path, "differences": [{"address", "value_a", "value_b"}...]},
// a missing side null. The paths are UTF-8 already.
std::string diff_document(FileKind kind, const std::string& a, const std::string& b,
                          const std::vector<Difference>& differences);
