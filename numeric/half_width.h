#pragma once
#include <string>

// GBK full-width forms (A3A1..A3FE, the ideographic space and a few symbols) become ASCII;
// a lone lead byte at the very end is dropped.
std::string to_half_width(const std::string& text);
