#pragma once
// The small files most tests work on: a configuration file whose slots end in every way a
// write can meet, and a module with a port text and a baud rate.
#include <string>

#include "tests/support/config_bytes.h"

// Slots 30, D0, 170, 210 with seeds 41, F0, FE, C0, and a last slot 2B0 cut to 20 bytes
// by the end of the file (length 2C4). Every even offset inside a slot holds a unit.
inline std::string four_and_a_bit() {
    return config_bytes({chain_of(0x41, "HELLO"), chain_of(0xF0, "old"), chain_of(0xFE, "x"), chain_of(0xC0, "y")}) +
           std::string(20, '0');
}

inline const std::string kAnchor("\x28\x70\xCD\xE5\x00\x00\x53\xE3", 8);
inline const std::string kMov9600("\x96\x0D\xA0\xE3", 4);

// COM3: at 28 and COM1: at 64; with a MOV, the anchor at 96 and the MOV at 9E. 200 bytes.
inline std::string module_bytes(const std::string& mov = kMov9600) {
    std::string m(200, '\x11');
    m.replace(0x28, 5, "COM3:");
    m.replace(0x64, 5, "COM1:");
    if (!mov.empty()) m.replace(0x96, kAnchor.size() + mov.size(), kAnchor + mov);
    return m;
}
