#pragma once
// The form with one file of a temporary folder taken in, and the user's gestures on it.
#include <filesystem>
#include <string>

#include "app/form/form.h"
#include "tests/support/config_bytes.h"
#include "tests/support/memory_window.h"
#include "tests/support/sample_files.h"
#include "tests/support/temp_file.h"

struct OpenedFile : Harness {
    TempDir dir;
    std::string path;

    explicit OpenedFile(const std::string& bytes, const std::string& name = "NaviConfig.dll") {
        path = dir.write(name, bytes);
        take_in_file(form, path);
    }
    std::string on_disk() const { return read_file(path); }

    // A left click that leaves row selected (-1: below the last row).
    void click(int row) {
        view.selected = row;
        on_record_click(form);
    }
    void type(const std::string& offset, const std::string& value) {
        view.texts[ControlId::offset_box] = offset;
        view.texts[ControlId::value_box] = value;
    }
    void enter() { on_value_box_key(form, BoxKey::enter); }
    // The export through a save dialog answered with folder/name; the output's bytes.
    std::string export_as(const std::string& name = "kld_dec") {
        view.save_answer = dir.path(name);
        on_record_list_right_click(form);
        const std::string out = dir.path(name + ".txt");
        return std::filesystem::is_regular_file(out) ? read_file(out) : std::string();
    }
};
