#include "cli/command_context.h"

#include "cli/exit_status.h"
#include "cli/outcome_hints.h"

void CommandContext::say(std::string_view hint) {
    terminal.gbk(Stream::err, hint);
    terminal.gbk(Stream::err, "\n");
}

int CommandContext::conclude(const char* hint) {
    if (!hint) return kExitDone;
    say(hint);
    return kExitRefused;
}

void CommandContext::row(const std::vector<std::string_view>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) terminal.gbk(Stream::out, "\t");
        terminal.gbk(Stream::out, fields[i]);
    }
    terminal.gbk(Stream::out, "\n");
}

bool CommandContext::open(const std::string& path, NaviFile& file) {
    const char* hint = hint_for(open_file(path, file));
    if (hint) say(hint);
    return !hint;
}
