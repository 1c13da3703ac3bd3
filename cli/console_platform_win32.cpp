#include <windows.h>
#include <shellapi.h>

#include "cli/console_platform.h"

namespace {

constexpr UINT kGbk = 936;

std::wstring widen(const std::string& text, UINT code_page) {
    if (text.empty()) return {};
    const int n = MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

bool narrow(const std::wstring& text, UINT code_page, std::string& out) {
    out.clear();
    if (text.empty()) return true;
    BOOL lossy = FALSE;
    BOOL* lossy_ptr = code_page == CP_UTF8 ? nullptr : &lossy;  // UTF-8 refuses the flag
    const int n = WideCharToMultiByte(code_page, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, lossy_ptr);
    out.assign(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(code_page, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, lossy_ptr);
    return n > 0 && !lossy;
}

}  // namespace

Encoding default_encoding() { return GetConsoleOutputCP() == CP_UTF8 ? Encoding::Utf8 : Encoding::Gbk; }

std::vector<std::string> command_line(int, char**) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; i < count; ++i) {
        std::string gbk;
        narrow(wide[i], kGbk, gbk);
        args.push_back(gbk);
    }
    LocalFree(wide);
    return args;
}

bool arguments_are_gbk() { return true; }

bool terminal_to_gbk(const std::string& text, Encoding encoding, std::string& gbk) {
    if (encoding == Encoding::Gbk) {
        gbk = text;
        return true;
    }
    return narrow(widen(text, CP_UTF8), kGbk, gbk);
}

std::string gbk_to_terminal(const std::string& gbk, Encoding encoding) {
    if (encoding == Encoding::Gbk) return gbk;
    std::string out;
    narrow(widen(gbk, kGbk), CP_UTF8, out);
    return out;
}

std::string absolute_path(const std::string& path) {
    char full[MAX_PATH * 4];
    const DWORD n = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    return n > 0 && n < sizeof full ? std::string(full, n) : path;
}
