#pragma once
// Runs a program as its own process and collects what it printed and its exit status.
#include <string>
#include <vector>

struct ProcessResult {
    int status = -1;
    std::string out;
    std::string err;
};

ProcessResult run_process(const std::string& program, const std::vector<std::string>& args, const std::string& scratch_dir);
