#pragma once
// Runs a program as its own process, in a scratch folder, and collects what it printed and
// its exit status.
#include <string>
#include <vector>

struct ProcessResult {
    int status = -1;
    std::string out;
    std::string err;
};

// How the narrow arguments reach a Windows program, whose command line is UTF-16: read as
// UTF-8 or as GBK. Elsewhere the bytes are passed as they are.
enum class ArgumentText { utf8, gbk };

struct ProcessOptions {
    ArgumentText text = ArgumentText::utf8;
    // Standard output goes there instead of being collected (e.g. /dev/full).
    std::string stdout_path = {};
};

ProcessResult run_process(const std::string& program, const std::vector<std::string>& args, const std::string& scratch_dir,
                          const ProcessOptions& options = {});
