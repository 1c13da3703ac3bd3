#pragma once
#include <cstdint>
#include <string>

#include "ops/open_file.h"

// The number a typed offset spells: hexadecimal in either case, full-width digits too;
// text that is not hexadecimal reads as 0.
std::int64_t typed_offset(const std::string& text);

enum class ReadOutcome { read, read_failed };

// The value of the chain that begins at offset, read from the disk now.
ReadOutcome read_record(const NaviFile& file, std::int64_t offset, std::string& value);
