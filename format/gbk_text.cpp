#include "format/gbk_text.h"

bool is_valid_gbk(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        // 80 is the euro sign of code page 936, which the window writes for a typed €.
        if (lead <= 0x80) continue;
        if (lead == 0xFF || i + 1 == bytes.size()) return false;
        const auto trail = static_cast<unsigned char>(bytes[++i]);
        if (trail < 0x40 || trail == 0x7F || trail == 0xFF) return false;
    }
    return true;
}
