#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// The number a hexadecimal text spells; 0 when it is empty or not hexadecimal.
// t is normalised in place (half-width, upper case), as convert_radix leaves it.
// The value is read by the text-to-number rule: beyond 2^53 it is rounded like a double,
// beyond int64 it saturates.
std::int64_t hex_value(std::string& t);

// The byte decoded from two neighbouring units, modulo 255: two upper-case hex digits.
// Both arguments are normalised in place. Texts longer than a unit never come from a
// file; for them a negative difference is reduced modulo 255 too, a larger one keeps
// all its digits.
std::string unit_difference(std::string& next, std::string& prev);

// The unit that follows prev when byte is stored after it, modulo 255; inverse of
// unit_difference. Both arguments are normalised in place.
std::string unit_sum(std::string& prev, std::string& byte);

// Two upper-case hexadecimal digits per byte.
std::string bytes_to_hex(std::string_view bytes);

// The bytes of the leading hexadecimal pairs of text; stops at the first pair that
// is not two hexadecimal digits.
std::string hex_to_bytes(std::string_view text);

// A file offset as the list shows it: upper-case hexadecimal, no leading zeros ("0" for 0).
std::string offset_hex(std::int64_t offset);
