#include "numeric/ascii_case.h"

bool same_ignoring_ascii_case(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    auto fold = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (static_cast<unsigned char>(a[i]) >= 0x80) {
            // A lead byte and its trail byte, compared exactly.
            if (a[i] != b[i] || (i + 1 < a.size() && a[i + 1] != b[i + 1])) return false;
            ++i;
            continue;
        }
        if (fold(a[i]) != fold(b[i])) return false;
    }
    return true;
}
