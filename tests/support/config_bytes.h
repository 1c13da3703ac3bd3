#pragma once
// Configuration files built byte by byte, with an encoder written apart from the program's.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

inline std::string unit_text(int unit) {
    char out[3];
    std::snprintf(out, sizeof out, "%02X", unit);
    return out;
}

// The units of a value: the seed, one unit per byte (modulo 255), the last unit twice more.
inline std::string chain(std::string_view value, int seed = 0x30) {
    std::string out = unit_text(seed);
    int unit = seed;
    for (const unsigned char byte : value) {
        unit += byte;
        if (unit > 255) unit -= 255;
        out += unit_text(unit);
    }
    return out + unit_text(unit) + unit_text(unit);
}

inline const std::string kSignature = "\x1A\x67\x32\x01";

// Header (signature, edition byte, 43 filler bytes) and one 160-byte slot per given
// content; a slot's content is cut or padded to the slot's size, with zero bytes or, to
// keep every even offset a whole unit, with the character '0'.
inline std::string config_file(char edition, const std::vector<std::string>& slots, char pad = '\0') {
    std::string out = kSignature + edition + std::string(43, '\x55');
    for (const auto& slot : slots) out += (slot + std::string(160, pad)).substr(0, 160);
    return out;
}

// The header, then one 160-byte slot per content, padded with the units "00" (ASCII
// zeros), so that any even offset inside a slot holds a whole unit.
inline std::string config_bytes(const std::vector<std::string>& slots) { return config_file('\xBF', slots, '0'); }

inline std::string chain_of(int seed, std::string_view value) { return chain(value, seed); }

// Slot i holding the value "slot i" for every i below count.
inline std::string numbered_config_file(char edition, int count) {
    std::vector<std::string> slots;
    for (int i = 0; i < count; ++i) slots.push_back(chain("slot " + std::to_string(i)));
    return config_file(edition, slots);
}
