// Runs a fuzz target without libFuzzer over saved inputs: every file named, and every file
// under every folder named. The targets then build with any compiler, and the committed
// corpus replays as an ordinary test.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/temp_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const fs::path named(argv[i]);
        if (!fs::is_directory(named)) {
            inputs.push_back(named);
            continue;
        }
        for (const auto& entry : fs::recursive_directory_iterator(named)) {
            if (entry.is_regular_file()) inputs.push_back(entry.path());
        }
    }
    std::sort(inputs.begin(), inputs.end());
    if (inputs.empty()) {
        std::fprintf(stderr, "no inputs to replay\n");
        return 1;
    }
    for (const fs::path& input : inputs) {
        if (!fs::is_regular_file(input)) {
            std::fprintf(stderr, "cannot read %s\n", input.c_str());
            return 1;
        }
        // A named input that breaks a property aborts here, so the last name shown is the one.
        std::fprintf(stderr, "%s\n", input.c_str());
        const std::string bytes = read_file(input.string());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu inputs replayed\n", inputs.size());
    return 0;
}
