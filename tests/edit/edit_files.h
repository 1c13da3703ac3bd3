#pragma once
// Files for the editing tests, built byte by byte, and a session opened on them.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "config/intake_file.h"
#include "edit/show_clicked_record.h"
#include "tests/support/config_bytes.h"
#include "tests/support/memory_window.h"
#include "tests/support/temp_file.h"

inline constexpr std::size_t kHeader = 48;
inline constexpr std::size_t kSlot = 160;

inline std::string chain_of(int seed, std::string_view value) { return chain(value, seed); }

// The header, then one 160-byte slot per content, padded with the units "00" (ASCII
// zeros), so that any even offset inside a slot holds a whole unit.
inline std::string config_bytes(const std::vector<std::string>& slots) { return config_file('\xBF', slots, '0'); }

inline std::string hex_of(std::size_t offset) {
    char out[24];
    std::snprintf(out, sizeof out, "%zX", offset);
    return out;
}

// A harness whose session has taken in one file of a temporary folder.
struct OpenFile : Harness {
    TempDir dir;
    std::string path;

    explicit OpenFile(const std::string& bytes, const std::string& name = "NaviConfig.dll") {
        path = dir.write(name, bytes);
        intake_file(context, path);
    }
    std::string on_disk() const { return read_file(path); }

    // A left click that leaves row selected (-1: below the last row).
    void click(int row) {
        window.selected = row;
        show_clicked_record(context);
    }
    void type(const std::string& offset, const std::string& value) {
        window.texts[Control::EditBox2] = offset;
        window.texts[Control::EditBox1] = value;
    }
};
