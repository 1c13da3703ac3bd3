#pragma once
#include <string_view>

// Texts equal but for the case of ASCII letters. A GBK character's trail byte may look
// like an ASCII letter (40..7E) and is compared as it is: folding it would change the
// character.
bool same_ignoring_ascii_case(std::string_view a, std::string_view b);
