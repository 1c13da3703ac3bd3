#pragma once
#include <cstdint>
#include <string>

#include "ops/open_file.h"
#include "platform/console.h"

// The offset an OFFSET argument spells, read as the window reads its offset box (full-width
// digits too, so the argument is taken as GBK first). False for an empty argument, or one
// without a GBK form: neither is an offset, and 0 must not stand in for it.
bool offset_argument(const std::string& argument, Encoding encoding, std::int64_t& offset);

// Whether a record may begin at offset: after the header and before the end of the file.
bool offset_in_body(const NaviFile& file, std::int64_t offset);

// A VALUE argument as the GBK text to write. False when it has no GBK form or is not well
// formed GBK: such bytes could not be shown again as the text that was typed.
bool value_argument(const std::string& argument, Encoding encoding, std::string& gbk);
