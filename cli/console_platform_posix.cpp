#include <iconv.h>
#include <limits.h>
#include <stdlib.h>

#include "cli/console_platform.h"

namespace {

bool convert(const std::string& text, const char* to, const char* from, std::string& out) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    out.assign(text.size() * 4 + 4, '\0');
    char* in_ptr = const_cast<char*>(text.data());
    std::size_t in_left = text.size();
    char* out_ptr = out.data();
    std::size_t out_left = out.size();
    const bool ok = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left) != static_cast<std::size_t>(-1) && in_left == 0;
    iconv_close(cd);
    out.resize(out.size() - out_left);
    return ok;
}

}  // namespace

Encoding default_encoding() { return Encoding::Utf8; }

std::vector<std::string> command_line(int argc, char** argv) { return {argv + 1, argv + argc}; }

bool arguments_are_gbk() { return false; }

bool terminal_to_gbk(const std::string& text, Encoding encoding, std::string& gbk) {
    if (encoding == Encoding::Gbk) {
        gbk = text;
        return true;
    }
    return convert(text, "GBK", "UTF-8", gbk);
}

std::string gbk_to_terminal(const std::string& gbk, Encoding encoding) {
    std::string out;
    if (encoding == Encoding::Gbk) return gbk;
    // A file's value need not be valid GBK; show what converts rather than nothing.
    if (!convert(gbk, "UTF-8//TRANSLIT", "GBK", out) && out.empty()) return gbk;
    return out;
}

std::string absolute_path(const std::string& path) {
    char full[PATH_MAX];
    return ::realpath(path.c_str(), full) ? std::string(full) : path;
}
