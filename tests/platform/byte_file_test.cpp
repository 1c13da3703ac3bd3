#include "platform/byte_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "tests/support/temp_file.h"

namespace {

constexpr std::int64_t k64KiB = 64 * 1024;

// Bytes that differ from their neighbours, so a read from the wrong offset shows.
std::string pattern(std::size_t size) {
    std::string out(size, '\0');
    for (std::size_t i = 0; i < size; ++i) out[i] = static_cast<char>(i * 7 % 251);
    return out;
}

class OpenByteFile : public testing::Test {
protected:
    OpenByteFile() : bytes(pattern(2 * k64KiB + 100)), path(dir.write("f.dll", bytes)) {
        EXPECT_TRUE(file.open_existing(path));
    }
    std::string read(std::int64_t offset, std::size_t n) {
        std::string out = "stale";
        EXPECT_EQ(file.read_at(offset, n, out), ByteFile::Read::ok) << offset;
        return out;
    }

    TempDir dir;
    std::string bytes;
    std::string path;
    ByteFile file;
};

TEST_F(OpenByteFile, ReadsAtAndAroundThe64KiBEdgeAndTheEnd) {
    const auto length = static_cast<std::int64_t>(bytes.size());
    const struct {
        std::int64_t offset;
        std::size_t n;
        std::size_t got;
    } cases[] = {
        {k64KiB - 1, 1, 1}, {k64KiB - 1, 2, 2}, {k64KiB, 2, 2}, {k64KiB + 1, 2, 2}, {k64KiB - 3, 7, 7},
        {2 * k64KiB - 1, 2, 2}, {0, bytes.size(), bytes.size()}, {length - 1, 4, 1}, {length, 4, 0},
        {length + 1000, 4, 0}, {10, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.offset << " +" << c.n);
        const std::string got = read(c.offset, c.n);
        ASSERT_EQ(got.size(), c.got);
        EXPECT_TRUE(got == bytes.substr(static_cast<std::size_t>(std::min(c.offset, length)), c.got));
    }
    std::string out = "stale";
    EXPECT_EQ(file.read_at(-1, 2, out), ByteFile::Read::failed);
    EXPECT_EQ(out, "");
    EXPECT_EQ(file.length(), length);
}

TEST_F(OpenByteFile, ReadAfterAWriteGivesTheNewBytes) {
    const std::string first = read(k64KiB - 2, 4);
    ASSERT_TRUE(file.write_at(k64KiB - 2, "ABCD"));
    EXPECT_EQ(read(k64KiB - 2, 4), "ABCD");
    EXPECT_EQ(read(k64KiB - 3, 6), bytes.substr(k64KiB - 3, 1) + "ABCD" + bytes.substr(k64KiB + 2, 1));
    ASSERT_TRUE(file.flush());
    EXPECT_EQ(read_file(path).substr(k64KiB - 2, 4), "ABCD");
    EXPECT_NE(first, "ABCD");

    // A write past the end makes the file longer.
    const auto length = static_cast<std::int64_t>(bytes.size());
    ASSERT_TRUE(file.write_at(length, "tail"));
    EXPECT_EQ(file.length(), length + 4);
    EXPECT_EQ(read(length - 1, 10), bytes.substr(bytes.size() - 1) + "tail");
    EXPECT_FALSE(file.write_at(-1, "x"));
}

// Nothing may be served from memory: another program's change between two reads is seen.
TEST_F(OpenByteFile, ChangeThroughAnotherHandleIsSeenByTheNextRead) {
    for (const std::int64_t at : {std::int64_t{0}, k64KiB - 1, k64KiB + 10, std::int64_t{2 * k64KiB + 98}}) {
        SCOPED_TRACE(at);
        ASSERT_EQ(read(at, 2), bytes.substr(static_cast<std::size_t>(at), 2));
        change_on_disk(path, at, "zz");
        EXPECT_EQ(read(at, 2), "zz");

        ByteFile other;
        ASSERT_TRUE(other.open_existing(path));
        ASSERT_TRUE(other.write_at(at, "yy"));
        EXPECT_EQ(read(at, 2), "yy");
        bytes.replace(static_cast<std::size_t>(at), 2, "yy");
    }
    std::string all;
    ASSERT_EQ(file.read_all(all), ByteFile::Read::ok);
    EXPECT_TRUE(all == bytes);

    // The length too is asked of the disk.
    std::filesystem::resize_file(path, 10);
    EXPECT_EQ(file.length(), 10);
    ASSERT_EQ(file.read_all(all), ByteFile::Read::ok);
    EXPECT_EQ(all, bytes.substr(0, 10));
}

TEST(ByteFileOpen, RefusesWhatCannotBeWrittenInPlace) {
    TempDir dir;
    const std::string read_only = dir.write("read_only.dll", "1234");
    ASSERT_EQ(::chmod(read_only.c_str(), 0444), 0);
    ASSERT_EQ(::mkdir(dir.path("folder.dll").c_str(), 0755), 0);
    const struct {
        std::string path;
        bool opens;
    } cases[] = {
        {dir.write("plain.dll", "1234"), true},
        {dir.write("empty.dll", ""), true},
        {read_only, false},
        {dir.path("folder.dll"), false},
        {dir.path("missing.dll"), false},
        {"", false},
    };
    for (const auto& c : cases) {
        ByteFile file;
        EXPECT_EQ(file.open_existing(c.path), c.opens) << c.path;
        EXPECT_EQ(file.is_open(), c.opens) << c.path;
    }
}

TEST(ByteFileClosed, RefusesEverything) {
    TempDir dir;
    const std::string path = dir.write("f.dll", "1234");
    ByteFile file;
    ASSERT_TRUE(file.open_existing(path));
    ByteFile moved = std::move(file);
    EXPECT_TRUE(moved.is_open());
    moved.close();
    for (ByteFile* closed : {&file, &moved}) {
        std::string out = "x";
        EXPECT_FALSE(closed->is_open());
        EXPECT_EQ(closed->length(), -1);
        EXPECT_EQ(closed->read_at(0, 2, out), ByteFile::Read::failed);
        EXPECT_EQ(closed->read_all(out), ByteFile::Read::failed);
        EXPECT_FALSE(closed->write_at(0, "zz"));
        EXPECT_FALSE(closed->flush());
    }
    EXPECT_EQ(read_file(path), "1234");
}

}  // namespace
