#pragma once
// The terminal's side of the command line: what the user typed and what the program prints
// cross here and nowhere else. Inside, texts are GBK and paths UTF-8 (on POSIX the bytes
// as given, which the system takes as they are).
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// What a pipe or a file receives, and on POSIX what the arguments are written in.
enum class Encoding { Utf8, Gbk };

// UTF-8 on Linux; on Windows UTF-8 when the console's output code page is 65001, GBK
// otherwise (what a console of code page 936 always had).
Encoding default_encoding();

// The program's arguments without its name. On Windows they come from the wide command
// line as UTF-8, the core's path form, whatever the code page; elsewhere as the terminal
// gave them.
std::vector<std::string> command_line(int argc, char** argv);

// An argument (as command_line gave it) as GBK text, strictly: false when a character has
// no GBK form. On Windows the argument is UTF-8 whatever the encoding says.
bool argument_to_gbk(const std::string& argument, Encoding encoding, std::string& gbk);

// An argument as UTF-8 for a document that must be UTF-8; what does not convert becomes
// U+FFFD.
std::string argument_to_utf8(const std::string& argument, Encoding encoding);

// GBK text as UTF-8. A file's value need not be GBK: bytes that are not become U+FFFD,
// one each, and the answer is false, so the caller can show the bytes themselves too.
bool gbk_to_utf8(std::string_view gbk, std::string& utf8);

enum class Stream { out, err };

// The C stream behind standard output or error.
std::FILE* file_of(Stream stream);

// Standard output and error. A console on Windows is written in UTF-16, whatever its code
// page; a pipe or a file receives bytes in the encoding.
class Terminal {
public:
    explicit Terminal(Encoding encoding) : encoding_(encoding) {}

    void gbk(Stream stream, std::string_view text);
    // An argument as command_line gave it (a path, an unknown word), shown as it was typed.
    void argument(Stream stream, std::string_view text);
    // A document that is UTF-8 whatever the encoding (JSON).
    void utf8(Stream stream, std::string_view text);

    // Everything flushed; false when standard output did not get all of it (a full disk,
    // a closed pipe), which a script must not take for success.
    bool finish();

private:
    void bytes(Stream stream, std::string_view bytes);

    Encoding encoding_;
    bool output_failed_ = false;
};
