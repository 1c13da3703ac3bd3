#pragma once
#include <cstdint>
#include <string>

// The offset typed into EditBox2, read as hexadecimal (either case, full-width digits
// too); -1 when the text is not a hexadecimal number. The writers refuse -1, where the
// plain hex_value would have sent the bytes to offset 0.
std::int64_t typed_offset(const std::string& text);
