#include "format/unit_chain.h"

#include <algorithm>
#include <array>

#include "numeric/hex_helpers.h"

namespace {

// The value of every two-byte unit, read once by the one text-to-number rule, so that a
// decode of megabytes costs a table look-up per unit and still reads "0a", "ＡＢ" or "zz"
// exactly as hex_value does.
const std::array<std::uint8_t, 65536>& two_byte_unit_values() {
    static const std::array<std::uint8_t, 65536> table = [] {
        std::array<std::uint8_t, 65536> values{};
        for (int i = 0; i < 65536; ++i) {
            std::string unit{static_cast<char>(i >> 8), static_cast<char>(i & 0xFF)};
            values[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(hex_value(unit));
        }
        return values;
    }();
    return table;
}

// Two units are the same unit when they read the same after the normalisation every
// reading applies (upper case, full-width forms made half-width): "4a" ends a value
// after "4A" as it always has.
bool same_unit(std::string_view a, std::string_view b) {
    if (a == b) return true;
    std::string na(a), nb(b);
    hex_value(na);
    hex_value(nb);
    return na == nb;
}

int unit_value(std::string_view unit) {
    if (unit.size() == 2) {
        const auto hi = static_cast<unsigned char>(unit[0]);
        const auto lo = static_cast<unsigned char>(unit[1]);
        return two_byte_unit_values()[hi << 8 | lo];
    }
    std::string text(unit);
    return static_cast<int>(hex_value(text));
}

// A unit read, with the reader's position as the file-based reader kept it: seeking
// back before the start stops at 0.
struct Cursor {
    std::string_view image;
    std::int64_t at;

    std::string_view next_unit() {
        const std::string_view unit = read_unit(image, at);
        at += static_cast<std::int64_t>(unit.size());
        return unit;
    }
    std::string_view next_body_unit() {
        std::string_view unit = next_unit();
        if (at == kSkippedUnitsStart + kUnitSize) {
            at = kSkippedUnitsEnd;
            unit = next_unit();
        }
        return unit;
    }
    void step_back() { at = std::max<std::int64_t>(at - kUnitSize, 0); }
};

}  // namespace

bool has_config_signature(std::string_view image) { return image.starts_with(kConfigSignature); }

Edition edition_of(std::string_view image) {
    if (static_cast<std::int64_t>(image.size()) <= kEditionOffset) return Edition::unknown;
    switch (static_cast<unsigned char>(image[kEditionOffset])) {
    case 0xBF: return Edition::pnd;
    case 0xB4: return Edition::car;
    default: return Edition::unknown;
    }
}

std::string_view comment_section(Edition edition) {
    switch (edition) {
    case Edition::pnd: return "C-PND";
    case Edition::car: return "C-Car";
    default: return {};
    }
}

std::string_view read_unit(std::string_view image, std::int64_t offset) {
    if (offset < 0 || offset >= static_cast<std::int64_t>(image.size())) return {};
    // Two bytes at most: a plain look at each beats a search of the two stop bytes.
    const char* at = image.data() + offset;
    const std::size_t room = std::min<std::size_t>(kUnitSize, image.size() - static_cast<std::size_t>(offset));
    std::size_t n = 0;
    while (n < room && at[n] != '\0' && at[n] != '\x1A') ++n;
    return {at, n};
}

int unit_difference(std::string_view next, std::string_view prev) {
    const int d = unit_value(next) - unit_value(prev);
    return d < 0 ? (d % 255 + 255) % 255 : d;
}

DecodedChain decode_chain(std::string_view image, std::int64_t offset) {
    DecodedChain chain;
    Cursor cursor{image, std::max<std::int64_t>(offset, 0)};
    for (;;) {
        const std::string_view unit = cursor.next_unit();
        const std::string_view next = cursor.next_unit();
        // A short unit would make the step back land off the unit grid and repeat the
        // same pair for ever; it ends the value instead, as a zero byte does.
        const bool whole = unit.size() == kUnitSize && next.size() == kUnitSize;
        chain.bytes += static_cast<char>(whole ? unit_difference(next, unit) : 0);
        cursor.step_back();
        if (!whole || same_unit(unit, next)) break;
    }
    chain.end = cursor.at;
    return chain;
}

std::string value_of(const DecodedChain& chain) { return chain.bytes.substr(0, chain.bytes.find('\0')); }

std::string encode_chain(std::string_view seed, std::string_view value) {
    std::string unit(seed);
    std::string chain;
    for (const char byte : value) {
        std::string byte_hex = bytes_to_hex(std::string_view(&byte, 1));
        unit = unit_sum(unit, byte_hex);
        chain += unit;
    }
    return chain + unit + unit;
}

bool encodes_exactly(std::string_view seed, std::string_view value) {
    const std::string image = std::string(seed) + encode_chain(seed, value);
    return value_of(decode_chain(image, 0)) == value;
}

std::int64_t next_slot_start(std::int64_t offset) {
    return kConfigHeaderSize + ((offset - kConfigHeaderSize) / kSlotSize + 1) * kSlotSize;
}

std::string decode_body(std::string_view image, const std::function<void(std::int64_t)>& on_passes) {
    const auto size = static_cast<std::int64_t>(image.size());
    // One byte per pass, one pass per unit after the first: the output never outgrows this.
    std::string decoded(static_cast<std::size_t>(std::max<std::int64_t>(size - kConfigHeaderSize, 0) / kUnitSize), '\0');
    char* out = decoded.data();
    std::int64_t passes = 0;
    Cursor cursor{image, kConfigHeaderSize};
    // A pass steps back onto the unit it just read as `next`, which, being whole, reads
    // the same again: it is carried to the next pass with its value instead of re-read.
    int unit_number = unit_value(cursor.next_body_unit());
    const auto& values = two_byte_unit_values();
    for (;;) {
        const std::string_view next = cursor.next_body_unit();
        // Past this point every pass would read the same short unit again and add the
        // same byte, up to a pass count that has nothing to do with the body.
        if (next.size() < kUnitSize) break;
        const int next_number = values[static_cast<unsigned char>(next[0]) << 8 | static_cast<unsigned char>(next[1])];
        const int d = next_number - unit_number;
        out[passes++] = static_cast<char>(d < 0 ? d + 255 : d);
        unit_number = next_number;
        if (passes % kPassesPerReport == 0 && on_passes) on_passes(passes);
    }
    decoded.resize(static_cast<std::size_t>(passes));
    return decoded;
}
