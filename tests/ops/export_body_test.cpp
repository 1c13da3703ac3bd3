#include "ops/export_body.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "ops_file.h"

namespace {

using Names = std::set<std::string>;

std::string repeated(const std::string& unit, std::size_t count) {
    std::string out;
    for (std::size_t i = 0; i < count; ++i) out += unit;
    return out;
}

TEST(ExportBytes, LengthLittleEndianThenTheBytes) {
    EXPECT_EQ(export_bytes(""), std::string(4, '\0'));
    EXPECT_EQ(export_bytes("AB"), std::string("\x02\x00\x00\x00" "AB", 6));
    EXPECT_EQ(export_bytes(std::string(0x12345, 'x')).substr(0, 4), std::string("\x45\x23\x01\x00", 4));
}

TEST(ExportBody, WritesTheDecodedBodyAndTellsTheProgress) {
    OpsFile f(config_bytes({}) + repeated("10", 10000));
    std::vector<std::pair<std::int64_t, std::int64_t>> progress;
    const std::string target = f.dir.path("kld_dec.txt");
    ASSERT_EQ(export_body(f.file, target, [&](std::int64_t done, std::int64_t total) { progress.emplace_back(done, total); }),
              ExportOutcome::done);
    EXPECT_EQ(read_file(target), export_bytes(std::string(9999, '\0')));
    const std::int64_t total = (48 + 20000) / 2;
    EXPECT_EQ(progress, (std::vector<std::pair<std::int64_t, std::int64_t>>{{4096, total}, {8192, total}}));
    EXPECT_EQ(f.dir.names(), (Names{"NaviConfig.dll", "kld_dec.txt"}));
}

// Replacing the open file by its own export would destroy it, by whatever name it is reached.
TEST(ExportBody, OntoTheOpenFileIsRefusedWhateverTheName) {
    OpsFile f(four_and_a_bit(), "kld_dec.txt");
    ASSERT_EQ(::symlink(f.path.c_str(), f.dir.path("link.txt").c_str()), 0);
    ASSERT_EQ(::link(f.path.c_str(), f.dir.path("hard.txt").c_str()), 0);
    const std::string before = f.on_disk();
    InFolder in(f.dir.folder());
    for (const std::string& target : {f.path, std::string("./kld_dec.txt"), std::string("kld_dec.txt"),
                                      f.dir.path("link.txt"), f.dir.path("hard.txt")}) {
        SCOPED_TRACE(target);
        EXPECT_EQ(export_body(f.file, target), ExportOutcome::onto_itself);
        EXPECT_EQ(f.on_disk(), before);
        EXPECT_EQ(f.dir.names(), (Names{"kld_dec.txt", "link.txt", "hard.txt"}));
    }
}

TEST(ExportBody, RefusedOrFailedExportKeepsTheOldTarget) {
    OpsFile f(four_and_a_bit());
    const std::string old_export = f.dir.write("kld_dec.txt", "old export");
    ASSERT_EQ(::mkdir(f.dir.path("folder.txt").c_str(), 0755), 0);

    ASSERT_EQ(::chmod(old_export.c_str(), 0444), 0);
    EXPECT_EQ(export_body(f.file, old_export), ExportOutcome::read_only);
    EXPECT_EQ(read_file(old_export), "old export");
    ASSERT_EQ(::chmod(old_export.c_str(), 0644), 0);

    // The file-size limit stops the new content half-way through its temporary file.
    {
        FileSizeLimit limit(100);
        EXPECT_EQ(export_body(f.file, old_export), ExportOutcome::write_failed);
    }
    EXPECT_EQ(read_file(old_export), "old export");

    EXPECT_EQ(export_body(f.file, f.dir.path("folder.txt")), ExportOutcome::write_failed);
    EXPECT_EQ(export_body(f.file, f.dir.path("missing/kld_dec.txt")), ExportOutcome::write_failed);
    EXPECT_EQ(f.dir.names(), (Names{"NaviConfig.dll", "kld_dec.txt", "folder.txt"}));
}

}  // namespace
