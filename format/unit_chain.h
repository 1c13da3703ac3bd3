#pragma once
// The configuration file's format, all of it: a 48-byte header that begins with the
// signature 1A 67 32 01 and holds the edition byte, then 160-byte slots. A slot holds a
// chain of units, each unit two hexadecimal characters; the differences of neighbouring
// units, modulo 255, are the value's bytes, and two equal units end the value.
//
// Everything here works on the file's bytes in memory (an "image"), so a decoder never
// reads stale data or pays for a read per unit.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::int64_t kUnitSize = 2;
inline constexpr std::int64_t kConfigHeaderSize = 48;
inline constexpr std::int64_t kSlotSize = 160;
// Slots 0..190 are listed; the navigator reads no more.
inline constexpr int kLastListedSlot = 190;
inline constexpr std::string_view kConfigSignature = "\x1A\x67\x32\x01";
inline constexpr std::int64_t kEditionOffset = 4;
// The body decoder passes over the two units at 9C70 and 9C72: they are the file's own
// bookkeeping in the middle of the chain, not part of the decoded content.
inline constexpr std::int64_t kSkippedUnitsStart = 0x9C70;
inline constexpr std::int64_t kSkippedUnitsEnd = 0x9C74;

// Which comments apply: the edition byte BF is C-PND, B4 is C-Car.
enum class Edition { unknown, pnd, car };

bool has_config_signature(std::string_view image);
Edition edition_of(std::string_view image);
// The ziz_ivi.ini section of the edition's comments; empty for an unknown edition.
std::string_view comment_section(Edition edition);

// One unit at offset: at most two bytes, stopping before a 00 or 1A byte. Empty at or
// past the end of the image.
std::string_view read_unit(std::string_view image, std::int64_t offset);

// The byte two neighbouring units stand for, modulo 255.
int unit_difference(std::string_view next, std::string_view prev);

struct DecodedChain {
    // Every decoded byte, ending with the 00 of the two equal units.
    std::string bytes;
    // Where the decoder stood when it stopped: one unit back from the last unit read.
    std::int64_t end = 0;
};

// The chain that begins at offset. A unit shorter than two bytes ends the chain as a zero
// byte would, so malformed data and the end of the file always end a decode.
DecodedChain decode_chain(std::string_view image, std::int64_t offset);

// The value a chain holds: its bytes up to the first zero byte (GBK text).
std::string value_of(const DecodedChain& chain);

// The units that follow the seed unit for value: one per byte, then the last unit twice
// more. Upper-case hexadecimal characters.
std::string encode_chain(std::string_view seed, std::string_view value);

// Whether value survives a round trip through encode_chain and decode_chain after seed.
// 00 never does (it ends the text), nor does FF after most units: it adds nothing modulo
// 255, so the unit repeats and the chain ends there. After a unit that reads as 0 it
// makes FF, and then it round-trips.
bool encodes_exactly(std::string_view seed, std::string_view value);

// The slot boundary after offset: a chain written at offset must not cross it.
std::int64_t next_slot_start(std::int64_t offset);

// The whole body from offset 48 decoded as one chain, one byte per pass, across slots and
// through the values' end units, passing over the units at 9C70 and 9C72. Ends at the first
// pass whose next unit is not a whole unit: the end of the image, a 00 or a 1A.
// on_passes, when given, is told the pass count every kPassesPerReport passes.
inline constexpr std::int64_t kPassesPerReport = 4096;
std::string decode_body(std::string_view image, const std::function<void(std::int64_t passes)>& on_passes = {});
