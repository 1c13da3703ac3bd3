#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

// The layers from the bottom: each may include its own and those below, never above.
// numeric <- platform <- format <- ops <- app/form <- cli and the Win32 shell (app).
int layer_of(const std::string& path) {
    const std::pair<const char*, int> prefixes[] = {
        {"numeric/", 0}, {"platform/", 1}, {"format/", 2}, {"ops/", 3}, {"app/form/", 4}, {"app/", 5}, {"cli/", 5},
    };
    for (const auto& [prefix, layer] : prefixes) {
        if (path.starts_with(prefix)) return layer;
    }
    return -1;  // not one of the program's folders (a system header, tests/)
}

// Only the Win32 halves and the text conversion they share may see the Windows API.
bool may_use_windows_api(const std::string& path) {
    if (layer_of(path) == 5) return true;
    return path.starts_with("platform/") && (path.ends_with("_win32.cpp") || path == "platform/windows_text.h");
}

bool is_windows_header(std::string name) {
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char* header : {"windows.h", "shellapi.h", "commctrl.h", "commdlg.h", "shlobj.h", "winbase.h",
                               "winuser.h", "windef.h", "ole2.h", "objbase.h", "shlwapi.h"}) {
        if (name == header) return true;
    }
    return false;
}

struct Include {
    std::string name;
    bool angled;
};

std::vector<Include> includes_of(const std::filesystem::path& file) {
    std::vector<Include> out;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        const auto hash = line.find_first_not_of(" \t");
        if (hash == std::string::npos || line[hash] != '#') continue;
        const auto word = line.find_first_not_of(" \t", hash + 1);
        if (word == std::string::npos || line.compare(word, 7, "include") != 0) continue;
        const auto open = line.find_first_of("\"<", word + 7);
        if (open == std::string::npos) continue;
        const auto close = line.find(line[open] == '"' ? '"' : '>', open + 1);
        if (close == std::string::npos) continue;
        out.push_back({line.substr(open + 1, close - open - 1), line[open] == '<'});
    }
    return out;
}

// What is wrong with `file` including `include`; empty when nothing is.
std::string fault(const std::string& file, const Include& include) {
    if (include.angled) {
        return is_windows_header(include.name) && !may_use_windows_api(file) ? "includes the Windows API" : "";
    }
    const int own = layer_of(file);
    const int included = layer_of(include.name);
    if (include.name.starts_with("tests/")) return "includes a test header";
    return included > own ? "includes a higher layer" : "";
}

TEST(Layers, RulesCatchWhatTheyAreFor) {
    const struct {
        const char* file;
        Include include;
        bool fault;
    } cases[] = {
        {"numeric/hex_value.cpp", {"numeric/convert_radix.h", false}, false},
        {"platform/profile_file.cpp", {"numeric/ascii_case.h", false}, false},
        {"format/module_layout.h", {"platform/byte_file.h", false}, false},
        {"app/form/form.h", {"ops/open_file.h", false}, false},
        {"cli/run_cli.cpp", {"app/form/form.h", false}, false},
        {"app/main.cpp", {"windows.h", true}, false},
        {"platform/byte_file_win32.cpp", {"windows.h", true}, false},
        {"platform/windows_text.h", {"Windows.h", true}, false},
        {"numeric/x.cpp", {"platform/byte_file.h", false}, true},
        {"platform/byte_file.cpp", {"format/unit_chain.h", false}, true},
        {"format/unit_chain.cpp", {"ops/hints.h", false}, true},
        {"ops/open_file.cpp", {"app/form/form.h", false}, true},
        {"app/form/take_in_file.cpp", {"app/controls.h", false}, true},
        {"app/form/take_in_file.cpp", {"cli/run_cli.h", false}, true},
        {"ops/backup.cpp", {"tests/support/temp_file.h", false}, true},
        {"ops/backup.cpp", {"windows.h", true}, true},
        {"app/form/form_view.h", {"WINDOWS.H", true}, true},
        {"platform/byte_file_posix.cpp", {"windows.h", true}, true},
        {"platform/console.h", {"shellapi.h", true}, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(!fault(c.file, c.include).empty(), c.fault) << c.file << " -> " << c.include.name;
    }
}

TEST(Layers, NoFileIncludesAboveItsLayerOrTheWindowsApiOutsideTheShell) {
    const std::filesystem::path root = TARVELLO_SOURCE_DIR;
    int files_per_layer[6] = {};
    for (const char* folder : {"numeric", "platform", "format", "ops", "app", "cli"}) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root / folder)) {
            const std::string ext = entry.path().extension().string();
            if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
            const std::string file = entry.path().lexically_relative(root).generic_string();
            ++files_per_layer[layer_of(file)];
            for (const Include& include : includes_of(entry.path())) {
                const std::string why = fault(file, include);
                EXPECT_TRUE(why.empty()) << file << " " << why << ": " << include.name;
            }
        }
    }
    // The scan found the tree: every layer has files.
    for (int layer = 0; layer < 6; ++layer) EXPECT_GT(files_per_layer[layer], 0) << "layer " << layer;
}

}  // namespace
