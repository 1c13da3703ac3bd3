#pragma once
// A file of a temporary folder taken in by the operations alone, without a window.
#include <string>

#include "ops/open_file.h"
#include "tests/support/sample_files.h"
#include "tests/support/temp_file.h"

struct OpsFile {
    TempDir dir;
    std::string path;
    NaviFile file;
    OpenOutcome opened;

    explicit OpsFile(const std::string& bytes, const std::string& name = "NaviConfig.dll")
        : path(dir.write(name, bytes)), opened(open_file(path, file)) {}

    std::string on_disk() const { return read_file(path); }
    std::string backup_path() const { return path + ".bak"; }
};
