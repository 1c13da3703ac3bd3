#pragma once
#include <cstdint>
#include <string>

// A unit operation's result in radix 16, at least two digits ("0A", "FF", "1FE").
std::string unit_text(std::uint64_t value);
