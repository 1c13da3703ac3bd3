#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>

#include "platform/console.h"
#include "platform/windows_text.h"

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8


HANDLE handle_of(Stream stream) { return GetStdHandle(stream == Stream::out ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE); }

bool is_console(Stream stream) {
    DWORD mode = 0;
    return GetConsoleMode(handle_of(stream), &mode) != 0;
}

// One GBK character strictly: MultiByteToWideChar would otherwise make up a character.
bool gbk_char_to_wide(std::string_view gbk, std::wstring& wide) {
    wchar_t out[2];
    const int n = MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, gbk.data(), static_cast<int>(gbk.size()), out, 2);
    if (n <= 0) return false;
    wide.append(out, static_cast<std::size_t>(n));
    return true;
}

// For display only: a character without a GBK form becomes '?'.
std::string wide_to_gbk_lossy(const std::wstring& text) {
    if (text.empty()) return {};
    const int n = WideCharToMultiByte(kGbkCodePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(kGbkCodePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

}  // namespace

Encoding default_encoding() { return GetConsoleOutputCP() == CP_UTF8 ? Encoding::Utf8 : Encoding::Gbk; }

std::vector<std::string> command_line(int, char**) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; i < count; ++i) args.push_back(wide_to_utf8(wide[i]));
    LocalFree(wide);
    return args;
}

bool argument_to_gbk(const std::string& argument, Encoding, std::string& gbk) {
    return wide_to_gbk(utf8_to_wide(argument), gbk);
}

std::string argument_to_utf8(const std::string& argument, Encoding) { return argument; }

bool gbk_to_utf8(std::string_view gbk, std::string& utf8) {
    utf8.clear();
    bool exact = true;
    std::wstring run;  // converted characters not yet appended
    for (std::size_t i = 0; i < gbk.size();) {
        const auto lead = static_cast<unsigned char>(gbk[i]);
        const std::size_t size = lead >= 0x81 && lead <= 0xFE && i + 1 < gbk.size() ? 2 : 1;
        if (gbk_char_to_wide(gbk.substr(i, size), run)) {
            i += size;
            continue;
        }
        utf8 += wide_to_utf8(run);
        run.clear();
        utf8 += kReplacement;
        exact = false;
        ++i;
    }
    utf8 += wide_to_utf8(run);
    return exact;
}

void Terminal::gbk(Stream stream, std::string_view text) {
    if (is_console(stream)) {
        std::string utf8;
        gbk_to_utf8(text, utf8);
        return this->utf8(stream, utf8);
    }
    if (encoding_ == Encoding::Gbk) return bytes(stream, text);
    std::string utf8;
    gbk_to_utf8(text, utf8);
    bytes(stream, utf8);
}

void Terminal::argument(Stream stream, std::string_view text) {
    if (is_console(stream) || encoding_ == Encoding::Utf8) return utf8(stream, text);
    bytes(stream, wide_to_gbk_lossy(utf8_to_wide(std::string(text))));
}

void Terminal::utf8(Stream stream, std::string_view text) {
    if (!is_console(stream)) return bytes(stream, text);
    // Whatever the console's code page: UTF-16 shows every character the text has.
    const std::wstring wide = utf8_to_wide(std::string(text));
    std::fflush(file_of(stream));
    for (std::size_t done = 0; done < wide.size();) {
        DWORD put = 0;
        const auto want = static_cast<DWORD>(std::min<std::size_t>(wide.size() - done, 8192));
        if (!WriteConsoleW(handle_of(stream), wide.data() + done, want, &put, nullptr) || put == 0) {
            if (stream == Stream::out) output_failed_ = true;
            return;
        }
        done += put;
    }
}

