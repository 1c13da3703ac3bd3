#include <windows.h>

#include "platform/windows_text.h"

namespace {

std::wstring widen(const std::string& text, UINT code_page) {
    if (text.empty()) return {};
    const int n = MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

}  // namespace

std::wstring utf8_to_wide(const std::string& text) { return widen(text, CP_UTF8); }

std::wstring gbk_to_wide(const std::string& gbk) { return widen(gbk, kGbkCodePage); }

std::string wide_to_utf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

bool wide_to_gbk(const std::wstring& text, std::string& gbk) {
    gbk.clear();
    if (text.empty()) return true;
    BOOL lossy = FALSE;
    const int n = WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()),
                                      nullptr, 0, nullptr, &lossy);
    if (n <= 0 || lossy) return false;
    gbk.assign(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()), gbk.data(), n,
                        nullptr, &lossy);
    return !lossy;
}
