// diff lists files opened for reading only, by the same operations as list.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "cli/read_only_listing.h"
#include "format/unit_chain.h"
#include "ops/list_records.h"
#include "tests/support/config_bytes.h"

namespace {

namespace fs = std::filesystem;

std::string module_with(const std::string& before_port, const std::string& after) {
    return before_port + "COM3:" + after;
}

const std::string kAnchor("\x28\x70\xCD\xE5\x00\x00\x53\xE3", 8);

// Slot 1's chain ends where the last slot's room begins, when the file is `shorter` bytes
// shorter than 160 past that end: at 0 the listing goes on, at 1 it stops after slot 1.
std::string chain_ending_near_the_last_slots_room(int shorter) {
    std::string image = config_file('\xBF', {chain("AB"), chain("x")});
    image.resize(static_cast<std::size_t>(decode_chain(image, 48 + 160).end + 160 - shorter), '\0');
    return image;
}

Listing listed_by_the_operations(const fs::path& file) {
    NaviFile open;
    Listing listing;
    switch (open_file(file.string(), open)) {
    case OpenOutcome::config:
        listing.kind = FileKind::config;
        EXPECT_EQ(list_config_records(open, [&](int, const Record& r) { listing.records.push_back(r); }), ListOutcome::listed);
        break;
    case OpenOutcome::module:
        listing.kind = FileKind::module;
        EXPECT_EQ(list_module_records(open, listing.records), ListOutcome::listed);
        break;
    default: break;
    }
    return listing;
}

// diff compares backups and copies that may be read-only: they are listed as list lists
// the writable file, and only a missing or unreadable file is refused.
TEST(ReadOnlyListing, ListsReadOnlyFilesAsTheWritableOnes) {
    const struct {
        const char* name;
        std::string bytes;
        FileKind kind;
    } cases[] = {
        {"configuration file", numbered_config_file('\xBF', 5), FileKind::config},
        {"a chain that ends a byte into the last slot's room", chain_ending_near_the_last_slots_room(1), FileKind::config},
        {"module with its rate", module_with(std::string(64, '\x11'), kAnchor + "\x96\x0D\xA0\xE3"), FileKind::module},
        {"neither kind", "plain text without any port", FileKind::none},
    };
    std::random_device rd;
    const fs::path dir = fs::temp_directory_path() / ("tarvello-listing-" + std::to_string(rd()));
    fs::create_directories(dir);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path file = dir / (std::string(c.name) + ".dll");
        std::ofstream(file, std::ios::binary | std::ios::trunc) << c.bytes;
        const Listing expected = listed_by_the_operations(file);
        fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        Listing listing;
        ASSERT_EQ(read_listing(file.string(), listing), ReadListing::listed);
        EXPECT_EQ(listing.kind, c.kind);
        ASSERT_EQ(listing.records.size(), expected.records.size());
        for (std::size_t i = 0; i < expected.records.size(); ++i) {
            EXPECT_EQ(listing.records[i].address, expected.records[i].address) << i;
            EXPECT_EQ(listing.records[i].value, expected.records[i].value) << i;
        }
    }
    Listing missing;
    EXPECT_EQ(read_listing((dir / "missing.dll").string(), missing), ReadListing::unreadable);
    EXPECT_EQ(read_listing(dir.string(), missing), ReadListing::unreadable) << "a folder";
    std::error_code ec;
    fs::remove_all(dir, ec);
}

}  // namespace
