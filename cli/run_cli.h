#pragma once
#include <iosfwd>
#include <string>
#include <vector>

#include "config/window.h"

// Runs one command line (arguments as the terminal gave them, without the program name)
// with the same handlers as the window. Exit status: 0 done, 1 file or write refused
// (nothing written), 2 usage error.
int run_cli(const std::vector<std::string>& args, ProfileReader& profile, std::ostream& out, std::ostream& err);
