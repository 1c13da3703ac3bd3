#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "format/unit_chain.h"
#include "numeric/hex_helpers.h"

namespace {

// The body decoded the plain way, as a reader walking the file would: read a unit (up to
// two bytes, stopping before 00 or 1A), jump from 9C72 to 9C74, read the next, step back.
struct ReferenceReader {
    const std::string& image;
    std::size_t at = 48;

    std::string unit() {
        std::string out;
        while (out.size() < 2 && at < image.size() && image[at] != '\0' && image[at] != '\x1A') out += image[at++];
        return out;
    }
    std::string body_unit() {
        std::string out = unit();
        if (at == 0x9C72) {
            at = 0x9C74;
            out = unit();
        }
        return out;
    }
};

std::string reference_decode(const std::string& image) {
    ReferenceReader reader{image};
    std::string decoded;
    for (;;) {
        std::string first = reader.body_unit();
        std::string second = reader.body_unit();
        if (second.size() < 2) return decoded;
        decoded += hex_to_bytes(unit_difference(second, first));
        reader.at -= 2;
    }
}

std::string header() { return std::string("\x1A\x67\x32\x01\xBF", 5) + std::string(43, '\x55'); }

TEST(DecodeBody, AgreesWithAPlainReaderOnRandomBodies) {
    const std::string common = "0123456789ABCDEFabcdef";
    const std::string rare = std::string("\0\x1AZz \xA3\xFF", 8);
    std::mt19937 random(0x9C70);
    // Every length from just before the skipped units to just after them, then random ones.
    std::vector<std::size_t> lengths;
    for (std::size_t length = 0x9C6C; length <= 0x9C78; ++length) lengths.push_back(length);
    const std::size_t edges = lengths.size();
    for (int i = 0; i < 30; ++i) lengths.push_back(i % 3 == 0 ? random() % 400 : 0x9C00 + random() % 0x200);
    for (std::size_t round = 0; round < lengths.size(); ++round) {
        // The edges and half the others are all units; the rest hold a byte now and then
        // that ends the decode or a unit that is not one.
        const bool clean = round < edges || round % 2 == 0;
        std::string image = header();
        while (image.size() < lengths[round]) {
            image += random() % 5000 == 0 && !clean ? rare[random() % rare.size()] : common[random() % common.size()];
        }
        image.resize(lengths[round]);
        SCOPED_TRACE(testing::Message() << "round " << round << " length " << std::hex << image.size());
        const std::string expected = reference_decode(image);
        const std::string decoded = decode_body(image);
        ASSERT_EQ(decoded.size(), expected.size());
        ASSERT_TRUE(decoded == expected);
    }
}

TEST(DecodeBody, ReportsEvery4096Passes) {
    const struct {
        std::size_t units;
        std::vector<std::int64_t> reports;
    } cases[] = {
        {4096, {}},                  // 4095 passes: a pass per unit but the last
        {4097, {4096}},
        {3 * 4096 + 1, {4096, 8192, 12288}},
        {3 * 4096, {4096, 8192}},
    };
    for (const auto& c : cases) {
        std::string image = header();
        for (std::size_t i = 0; i < c.units; ++i) image += i % 2 ? "41" : "30";
        std::vector<std::int64_t> reports;
        const std::string decoded = decode_body(image, [&](std::int64_t passes) { reports.push_back(passes); });
        EXPECT_EQ(reports, c.reports) << c.units;
    }
}

}  // namespace
