#pragma once
#include <cstdint>

#include "config/byte_file.h"

// The port text of a navigator module: the lowest n for which "COMn:" (n = 1..9) occurs
// at or after `from`, and the file offset of its first occurrence.
struct PortText {
    int digit = 0;  // 0: no port text at all
    std::int64_t offset = -1;
};

// One pass over the file in chunks, ending early at a COM1:. Leaves the position unspecified.
PortText find_port_text(ByteFile& file, std::int64_t from);
