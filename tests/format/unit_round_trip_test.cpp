#include <gtest/gtest.h>

#include <random>
#include <string>

#include "format/unit_chain.h"
#include "numeric/hex_helpers.h"
#include "tests/support/config_bytes.h"

namespace {

// Seeds a slot may hold: every spelling the decoder reads, lower case and not hexadecimal too.
const std::string kSeeds[] = {"00", "01", "30", "41", "7F", "80", "C0", "F0", "FE", "FF", "4a", "ff", "ZZ", "G1"};

// The value decoded back from a chain written after seed, as a file would hold it.
std::string decoded_after(const std::string& seed, const std::string& value) {
    return value_of(decode_chain(seed + encode_chain(seed, value), 0));
}

TEST(UnitChainRoundTrip, EverySingleByteBut00AndFFAfterEverySeed) {
    for (const std::string& seed : kSeeds) {
        for (int byte = 0x01; byte <= 0xFE; ++byte) {
            const std::string value(1, static_cast<char>(byte));
            ASSERT_TRUE(encodes_exactly(seed, value)) << seed << " " << byte;
            ASSERT_EQ(decoded_after(seed, value), value) << seed << " " << byte;
        }
    }
}

// The chain's layout, checked against an encoder written apart from the program's: one
// unit per byte, then the last unit twice more, in upper case.
TEST(UnitChainRoundTrip, EncoderAgreesWithAnIndependentOne) {
    std::mt19937 random(77);
    for (int seed = 0; seed < 256; ++seed) {
        std::string value;
        for (int n = 0; n < 12; ++n) value += static_cast<char>(random() % 254 + 1);
        const std::string seed_text = bytes_to_hex(std::string(1, static_cast<char>(seed)));
        ASSERT_EQ(seed_text + encode_chain(seed_text, value), chain(value, seed)) << seed_text;
    }
}

std::string random_gbk_text(std::mt19937& random, std::size_t max_bytes) {
    std::string text;
    const std::size_t wanted = random() % (max_bytes + 1);
    while (text.size() < wanted) {
        if (random() % 3 == 0 || text.size() + 2 > wanted) {
            text += static_cast<char>(random() % 0x7F + 1);  // ASCII 01..7F
        } else {
            text += static_cast<char>(random() % 0x7E + 0x81);  // lead 81..FE
            char trail = static_cast<char>(random() % 0xBF + 0x40);  // trail 40..FE
            if (trail == '\x7F') trail = '\x80';
            text += trail;
        }
    }
    return text;
}

TEST(UnitChainRoundTrip, RandomGbkTextsUpToASlotsRoom) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 3000; ++round) {
        const std::string& seed = kSeeds[random() % std::size(kSeeds)];
        const std::string value = random_gbk_text(random, 77);
        ASSERT_TRUE(encodes_exactly(seed, value)) << round;
        const std::string image = seed + encode_chain(seed, value);
        ASSERT_EQ(image.size(), 2 * (value.size() + 3)) << round;
        const DecodedChain decoded = decode_chain(image, 0);
        ASSERT_EQ(decoded.bytes, value + '\0') << round;
        // The decoder stops on the first of the two end units.
        ASSERT_EQ(decoded.end, static_cast<std::int64_t>(2 * value.size() + 2)) << round;
    }
}

// A 00 byte ends the text; FF adds nothing modulo 255 and repeats the unit before it, so it
// survives only right after a unit that reads as 0: 00, or text that is not hexadecimal.
TEST(EncodesExactly, RefusesZeroAndFFBytes) {
    const struct {
        std::string seed;
        std::string value;
        bool exact;
    } cases[] = {
        {"30", std::string(1, '\0'), false},
        {"30", std::string("A\0B", 3), false},
        {"30", "AB" + std::string(1, '\0'), false},
        {"30", "\xFF", false},
        {"41", "AB\xFF", false},
        {"41", "\xFF" "A", false},
        {"FF", "\xFF", false},
        {"ZZ", "\xFF", true},
        {"00", "\xFF", true},
        {"00", "\xFF" "A", true},
        {"00", "\xFF\xFF", false},
        {"00", "A\xFF", false},
        {"30", "", true},
        {"4a", "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.seed + " " + bytes_to_hex(c.value));
        EXPECT_EQ(encodes_exactly(c.seed, c.value), c.exact);
        EXPECT_EQ(decoded_after(c.seed, c.value) == c.value, c.exact);
    }
}

}  // namespace
