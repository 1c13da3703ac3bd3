#pragma once
// The navigator module's format: ARM code with a serial-port text "COM1:".."COM9:" and,
// after an eight-byte anchor, the MOV that loads the port's baud rate.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/byte_file.h"

// The module test looks from offset 5 on; the five bytes before it are never patched.
inline constexpr std::int64_t kModuleBodyStart = 5;
// "COMn:" is five bytes; a longer text would run over whatever follows it.
inline constexpr std::size_t kPortTextSize = 5;
// STRB R7, [SP, #40]; CMP R3, #0 - the MOV R0, #rate that loads the port's rate follows.
// Its zero bytes are part of it: the length is given, or the view would end at the first.
inline constexpr std::string_view kRateAnchor{"\x28\x70\xcd\xe5\x00\x00\x53\xe3", 8};
inline constexpr std::int64_t kRateAfterAnchor = 8;
inline constexpr std::size_t kRateEncodingSize = 3;

struct Rate {
    std::string_view text;
    std::string_view encoding;  // the MOV's first three bytes; its E3 stays as it is
};
inline constexpr std::array<Rate, 5> kRates{{
    {"4800", "\x4B\x0D\xA0"},
    {"9600", "\x96\x0D\xA0"},
    {"19200", "\x4B\x0C\xA0"},
    {"38400", "\x96\x0C\xA0"},
    {"57600", "\xE1\x0C\xA0"},
}};

const Rate* rate_by_text(std::string_view text);
const Rate* rate_by_encoding(std::string_view encoding);

enum class Scan { ok, read_failed };

// The module's port: the lowest n for which "COMn:" occurs from offset 5, and the offset of
// its first occurrence. One pass over the file in chunks, ending early at a COM1:.
struct PortText {
    int digit = 0;  // 0: no port text at all
    std::int64_t offset = -1;
};
Scan find_port_text(const ByteFile& file, PortText& port);

// Where the rate's three bytes are, when the anchor occurs from offset 5 (-1 when not).
Scan find_rate_offset(const ByteFile& file, std::int64_t& offset);
