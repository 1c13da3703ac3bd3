#pragma once
#include <string>
#include <string_view>

#include "config/byte_file.h"

// A configuration file's layout.
inline constexpr std::int64_t kHeaderSize = 48;
inline constexpr std::int64_t kSlotSize = 160;
inline constexpr int kLastListedSlot = 190;

// One unit: at most two bytes from the position, stopping before a 00 or 1A byte, which
// is not consumed. Empty at the end of the file.
std::string read_unit(ByteFile& file);

// Decodes the chain that begins at the file's position: the upper-case hex of every
// decoded byte, ending with the 00 of the two equal units. A unit read shorter than two
// bytes ends the chain as a zero byte would, so malformed data and the end of the file
// always end a scan. The position is left one unit back from the last one read.
std::string scan_record(ByteFile& file);

// The decoded bytes up to the first zero byte, as GBK text.
std::string value_text(std::string_view decoded_hex);
