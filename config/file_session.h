#pragma once
#include <cstdint>
#include <string>

#include "config/byte_file.h"

inline constexpr const char* kKindConfig = "naviconfig.dll";
inline constexpr const char* kKindModule = "navione.dll";

// The record of the open file, one for the whole program.
struct FileSession {
    // Which listing the file went to (kKindConfig or kKindModule); empty until the first
    // identification, and kept after a failed or rejected intake.
    std::string kind;
    // A file counts as open exactly while file.is_open().
    ByteFile file;
    // The path exactly as the last intake received it, also when its open failed.
    std::string path;
    // Upper-case hex of the first five bytes: signature, then the edition byte.
    std::string header_hex;
    // The module's port: the lowest n whose "COMn:" occurs from offset 5, and the file
    // offset of its first occurrence (-1 when none).
    std::string port_digit;
    std::int64_t port_offset = -1;
    // ziz_ivi.ini existed beside the program at start-up.
    bool has_reference_file = false;
    // A listing or an export is running and lets window events in; handlers that would
    // reopen, write or re-read the file ignore their event meanwhile.
    bool busy = false;

    bool is_open() const { return file.is_open(); }
};
