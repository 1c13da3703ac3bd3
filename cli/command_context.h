#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "cli/invocation.h"
#include "ops/open_file.h"
#include "platform/console.h"

// What a command works with: its operands and the terminal.
struct CommandContext {
    const Invocation& invocation;
    Terminal& terminal;

    // The operands after the command's name.
    const std::string& operand(std::size_t i) const { return invocation.words[i + 1]; }
    std::size_t operand_count() const { return invocation.words.size() - 1; }

    // A hint (GBK) alone on a line of standard error.
    void say(std::string_view hint);
    // The hint said and the refusal's exit status; a null hint is success.
    int conclude(const char* hint);

    // One row of GBK fields on standard output, tab-separated.
    void row(const std::vector<std::string_view>& fields);

    // The file opened and identified; when it cannot be, the reason is said and false.
    bool open(const std::string& path, NaviFile& file);
};
