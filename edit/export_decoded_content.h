#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "config/byte_file.h"
#include "config/window.h"

// Told now and then, every few thousand passes, how many passes the decoding has made;
// may be empty.
using DecodeProgress = std::function<void(std::int64_t passes)>;

// The whole body from offset 48 decoded as one chain, one byte per pass, across slots and
// through the values' end units; the units at 9C70 and 9C72 are not part of it. Ends at
// the first pass whose next unit is not a whole unit: the end of the file, a 00 or a 1A.
std::string decode_body(ByteFile& file, const DecodeProgress& progress);

// Creates or replaces path with the 4-byte little-endian length, then the decoded bytes.
// False, and no file left behind, when it cannot be created or written.
bool write_export_file(const std::string& path, std::string_view decoded);

// ListView1's right click: the whole body decoded as one chain, saved as "<chosen>.txt".
void export_decoded_content(Context& context);
