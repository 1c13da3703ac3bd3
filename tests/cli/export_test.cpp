// export FILE OUT: the decoded body, written whole to exactly OUT, and never onto FILE.
#include "cli_fixture.h"
#include "format/unit_chain.h"
#include "ops/export_body.h"
#include "ops/hints.h"

namespace cli_test {
namespace {

// A body of 100,000 units without a zero byte: the export decodes all of it as one chain.
std::string long_chain_file() {
    std::string out = config_file('\xBF', {});
    for (int i = 0; i < 100000; ++i) out += unit_text(i % 250 + 1);
    return out;
}

TEST_F(Cli, ExportWritesExactlyTheNamedFile) {
    const std::string image = long_chain_file();
    const std::string file = write("NaviConfig.dll", image);
    const ProcessResult r = run_gbk({"export", file, path("kld_dec")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(exists("kld_dec.txt"));
    const std::string out = read("kld_dec");
    // 99,999 pairs of neighbouring units, less the two units at 9C70 and 9C72.
    ASSERT_EQ(out.size(), 4u + 99997u);
    EXPECT_EQ(out.substr(0, 4), std::string("\x9D\x86\x01\x00", 4));
    EXPECT_EQ(out.substr(4, 3), "\x01\x01\x01");
    // The window exports the same bytes.
    EXPECT_EQ(out, export_bytes(decode_body(image)));
}

TEST_F(Cli, ExportNeverWritesOntoTheFileItReads) {
    const std::string image = two_record_config();
    const std::string file = write("self.dll", image);
    fs::create_hard_link(dir_ / "self.dll", dir_ / "hard.dll");
    std::vector<std::string> targets{file, "self.dll", "./self.dll", path("hard.dll")};
#ifndef _WIN32
    fs::create_symlink(dir_ / "self.dll", dir_ / "link.dll");
    targets.push_back(path("link.dll"));
#endif
    for (const std::string& target : targets) {
        SCOPED_TRACE(target);
        const ProcessResult r = run_gbk({"export", file, target});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, hint::kExportOntoItself + std::string("\n"));
        EXPECT_EQ(read("self.dll"), image);
    }
    // Nor when the file itself is named by another path to it.
    const ProcessResult r = run_gbk({"export", "./self.dll", path("hard.dll")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(read("self.dll"), image);
}

TEST_F(Cli, ExportRefusalsLeaveNothingBehind) {
    const std::string file = write("NaviConfig.dll", two_record_config());
    const std::string kept = "an earlier export";
    write("read-only.txt", kept);
    make_read_only("read-only.txt");
    fs::create_directory(dir_ / "folder");
    const struct {
        const char* name;
        std::string target;
    } cases[] = {
        // A read-only target stays as it was even for root, who could write it.
        {"read-only target", path("read-only.txt")},
        {"target in a missing folder", path("no such folder/out.txt")},
        {"target is a folder", path("folder")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ProcessResult r = run_gbk({"export", file, c.target});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, hint::kExportFailed + std::string("\n"));
    }
    EXPECT_EQ(read("read-only.txt"), kept);
    EXPECT_FALSE(exists("no such folder"));
    EXPECT_TRUE(fs::is_empty(dir_ / "folder"));
    // No temporary file left beside the targets either.
    for (const auto& entry : fs::directory_iterator(dir_)) {
        const std::string name = to_utf8(entry.path().filename());
        EXPECT_TRUE(name == "NaviConfig.dll" || name == "read-only.txt" || name == "folder" ||
                    name.starts_with("stdout-") || name.starts_with("stderr-"))
            << name;
    }
}

}  // namespace
}  // namespace cli_test
