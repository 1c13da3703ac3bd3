// Runs a fuzz target without libFuzzer over saved inputs: every file named, and every file
// under every folder named. The targets then build with any compiler, and the committed
// corpus replays as an ordinary test. Each input runs in a child process, so one that
// breaks a property or crashes does not hide what the inputs after it would show.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz/fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

// True when the input ran to its end in a child of its own.
bool replays(const std::filesystem::path& input) {
    const std::string bytes = file_bytes(input.string());
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        std::fflush(nullptr);
        ::_exit(0);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

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
    std::vector<fs::path> failed;
    for (const fs::path& input : inputs) {
        if (!fs::is_regular_file(input)) {
            std::fprintf(stderr, "cannot read %s\n", input.c_str());
            return 1;
        }
        if (!replays(input)) {
            std::fprintf(stderr, "FAILED: %s\n", input.c_str());
            failed.push_back(input);
        }
    }
    std::printf("%zu inputs replayed, %zu failed\n", inputs.size(), failed.size());
    return failed.empty() ? 0 : 1;
}
