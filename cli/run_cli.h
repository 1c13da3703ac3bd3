#pragma once
#include <string>
#include <vector>

// Runs one command line (the arguments as command_line gave them, without the program's
// name) on the terminal and returns the exit status.
int run_cli(const std::vector<std::string>& args);
