#pragma once
#include <cstdint>
#include <string_view>

#include "config/byte_file.h"

// File offset of the first occurrence of pattern at or after from, -1 when there is none.
// Reads the file in chunks, so a module of hundreds of MiB is searched without holding it.
// Leaves the file's position unspecified.
std::int64_t find_in_file(ByteFile& file, std::int64_t from, std::string_view pattern);
