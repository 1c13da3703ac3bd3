#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/console.h"

// One command line taken apart: options may stand anywhere, "--" ends them.
struct Invocation {
    std::vector<std::string> words;  // the command, then its operands
    std::optional<std::string> ini;
    Encoding encoding = default_encoding();
    bool json = false;
    bool no_backup = false;
    bool help = false;
    bool version = false;
};

struct UsageError {
    const char* problem;   // GBK, from cli_texts.h
    std::string argument;  // what it is about, as typed; may be empty
};

// The invocation, or what is wrong with the options; the encoding is set as soon as it is
// read, so a later error is shown in it.
std::optional<UsageError> parse_invocation(const std::vector<std::string>& args, Invocation& invocation);
