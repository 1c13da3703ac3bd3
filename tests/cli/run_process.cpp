#include "run_process.h"

#include <fstream>
#include <iterator>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

#ifdef _WIN32
std::wstring widen(const std::string& text, UINT code_page) {
    if (text.empty()) return {};
    const int n = MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

// Quoted so that CommandLineToArgvW gives the argument back exactly, empty ones and
// backslashes before quotes included.
std::wstring quoted(const std::wstring& argument) {
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        out += c;
        backslashes = 0;
    }
    out.append(backslashes * 2, L'\\');
    return out + L"\"";
}
#endif

}  // namespace

ProcessResult run_process(const std::string& program, const std::vector<std::string>& args, const std::string& scratch_dir,
                          const ProcessOptions& options) {
    // Fresh names for every run: under Wine a finished child's console host may hold the
    // inherited handles of the previous run's files a little longer.
    static int run_count = 0;
    const std::string run_id = std::to_string(++run_count);
    const std::string out_path = options.stdout_path.empty() ? scratch_dir + "/stdout-" + run_id + ".txt" : options.stdout_path;
    const std::string err_path = scratch_dir + "/stderr-" + run_id + ".txt";
    ProcessResult result;
#ifdef _WIN32
    const UINT code_page = options.text == ArgumentText::gbk ? 936 : CP_UTF8;
    std::wstring command_line = quoted(widen(program, CP_UTF8));
    for (const auto& a : args) command_line += L" " + quoted(widen(a, code_page));
    const std::wstring folder = widen(scratch_dir, CP_UTF8);
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    HANDLE out = CreateFileW(widen(out_path, CP_UTF8).c_str(), GENERIC_WRITE, share, &inherit, CREATE_ALWAYS, 0, nullptr);
    HANDLE err = CreateFileW(widen(err_path, CP_UTF8).c_str(), GENERIC_WRITE, share, &inherit, CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    si.hStdOutput = out;
    si.hStdError = err;
    PROCESS_INFORMATION pi{};
    if (CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, folder.c_str(), &si,
                       &pi)) {
        WaitForSingleObject(pi.hProcess, INFINITE);
        DWORD code = 0;
        GetExitCodeProcess(pi.hProcess, &code);
        result.status = static_cast<int>(code);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    CloseHandle(out);
    CloseHandle(err);
#else
    const pid_t pid = fork();
    if (pid == 0) {
        const int out = ::open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = ::open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0 || err < 0 || ::chdir(scratch_dir.c_str()) != 0) _exit(126);
        dup2(out, 1);
        dup2(err, 2);
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    if (options.stdout_path.empty()) result.out = slurp(out_path);
    result.err = slurp(err_path);
    return result;
}
