#pragma once
#include <string>

// Rewrites a non-negative whole number from one radix (2..36) to another, at any precision.
// Once the radixes are valid, number_text is replaced by its normalised form (full-width
// characters made half-width, ASCII letters upper case), whatever the outcome.
// Failures come back as the result text itself, one of two fixed messages.
std::string convert_radix(std::string& number_text, int from_radix, int to_radix);
