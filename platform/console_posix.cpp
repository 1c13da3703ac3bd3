#include <cerrno>
#include <cstdio>
#include <iconv.h>

#include "platform/console.h"

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts text; bytes that do not convert are replaced (when replace) or end the
    // conversion. True when every byte converted.
    bool convert(std::string_view text, std::string& out, bool replace) {
        out.clear();
        if (!ok()) return false;
        bool exact = true;
        char* in = const_cast<char*>(text.data());
        std::size_t in_left = text.size();
        char block[4096];
        while (in_left > 0) {
            char* put = block;
            std::size_t room = sizeof block;
            const std::size_t done = iconv(cd_, &in, &in_left, &put, &room);
            out.append(block, static_cast<std::size_t>(put - block));
            if (done != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
            exact = false;
            if (!replace) return false;
            out += kReplacement;
            ++in;
            --in_left;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return exact;
    }

private:
    iconv_t cd_;
};


}  // namespace

Encoding default_encoding() { return Encoding::Utf8; }

std::vector<std::string> command_line(int argc, char** argv) { return {argv + 1, argv + argc}; }

bool argument_to_gbk(const std::string& argument, Encoding encoding, std::string& gbk) {
    if (encoding == Encoding::Gbk) {
        gbk = argument;
        return true;
    }
    return Converter("GBK", "UTF-8").convert(argument, gbk, false);
}

std::string argument_to_utf8(const std::string& argument, Encoding encoding) {
    if (encoding == Encoding::Utf8) return argument;
    std::string utf8;
    gbk_to_utf8(argument, utf8);
    return utf8;
}

bool gbk_to_utf8(std::string_view gbk, std::string& utf8) { return Converter("UTF-8", "GBK").convert(gbk, utf8, true); }

void Terminal::gbk(Stream stream, std::string_view text) {
    if (encoding_ == Encoding::Gbk) return bytes(stream, text);
    std::string utf8;
    gbk_to_utf8(text, utf8);
    bytes(stream, utf8);
}

// The terminal gave the argument in its own encoding: it goes back unchanged.
void Terminal::argument(Stream stream, std::string_view text) { bytes(stream, text); }

void Terminal::utf8(Stream stream, std::string_view text) { bytes(stream, text); }

