#include <iostream>

#include "cli/run_cli.h"
#include "cli/console_platform.h"

#ifdef _WIN32
#include "app/win32_window.h"
using Profile = Win32Profile;
#else
#include "cli/ini_reader.h"
using Profile = IniReader;
#endif

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    Profile profile;
    return run_cli(command_line(argc, argv), profile, std::cout, std::cerr);
}
