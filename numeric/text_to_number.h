#pragma once
#include <cstdint>
#include <string>

// Full-width characters become half-width, then the text reads like C's atof
// (no hexadecimal); a text without a leading number gives 0.
double text_to_number(const std::string& text);

// text_to_number cut toward zero, saturated to the range of int64.
std::int64_t whole_number(const std::string& text);
