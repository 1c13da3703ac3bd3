#pragma once
// The records of an open file, read from the disk as it is when the listing starts.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ops/open_file.h"

struct Record {
    std::string address;  // upper-case hexadecimal
    std::string value;    // GBK text
};

enum class ListOutcome { listed, read_failed };

// A configuration file's slots from offset 48, one record each, handed to on_record in
// order as they are decoded (the window shows them as they come). The listing stops after
// slot 190, or at the first slot whose chain runs into the last 160 bytes of the file.
ListOutcome list_config_records(const NaviFile& file, const std::function<void(int index, const Record&)>& on_record);

// A module's port text and, when its encoding is one of the five known, its baud rate.
ListOutcome list_module_records(const NaviFile& file, std::vector<Record>& records);
