#include "cli/run_cli.h"

#include <algorithm>
#include <string_view>

#include "cli/cli_texts.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/invocation.h"

#ifndef TARVELLO_VERSION
#define TARVELLO_VERSION "0"
#endif

namespace {

struct Command {
    std::string_view name;
    std::size_t fewest_operands;
    std::size_t most_operands;
    bool takes_ini;
    bool takes_json;
    bool takes_no_backup;
    int (*run)(CommandContext&);
};

constexpr Command kCommands[] = {
    {"list", 1, 1, true, true, false, run_list},
    {"get", 2, 2, false, true, false, run_get},
    {"set", 3, 3, false, false, true, run_set},
    {"export", 2, 2, false, false, false, run_export},
    {"restore", 1, 1, false, false, false, run_restore},
    {"diff", 1, 2, false, true, false, run_diff},
};

const Command* command_named(std::string_view name) {
    for (const Command& command : kCommands) {
        if (command.name == name) return &command;
    }
    return nullptr;
}

// The option a command was given but does not take, if any.
const char* misplaced_option(const Command& command, const Invocation& invocation) {
    if (invocation.ini && !command.takes_ini) return "--ini";
    if (invocation.json && !command.takes_json) return "--json";
    if (invocation.no_backup && !command.takes_no_backup) return "--no-backup";
    return nullptr;
}

int usage_error(Terminal& terminal, const UsageError& error) {
    terminal.argument(Stream::err, "tarvello-cli: ");
    terminal.gbk(Stream::err, error.problem);
    terminal.argument(Stream::err, error.argument);
    terminal.gbk(Stream::err, "\n");
    terminal.gbk(Stream::err, cli_text::kUsage);
    return kExitUsage;
}

int run(const Invocation& invocation, Terminal& terminal) {
    if (invocation.help) {
        terminal.gbk(Stream::out, cli_text::kUsage);
        return kExitDone;
    }
    if (invocation.version) {
        terminal.gbk(Stream::out, "tarvello-cli " TARVELLO_VERSION "\n");
        return kExitDone;
    }
    const std::vector<std::string>& words = invocation.words;
    if (words.empty()) return usage_error(terminal, {cli_text::kMissingCommand, {}});
    const Command* command = command_named(words[0]);
    if (!command) return usage_error(terminal, {cli_text::kUnknownCommand, words[0]});
    const std::size_t operands = words.size() - 1;
    if (operands < command->fewest_operands || operands > command->most_operands)
        return usage_error(terminal, {cli_text::kWrongOperandCount, words[0]});
    if (const char* option = misplaced_option(*command, invocation))
        return usage_error(terminal, {cli_text::kOptionNotForCommand, option});
    CommandContext context{invocation, terminal};
    return command->run(context);
}

}  // namespace

int run_cli(const std::vector<std::string>& args) {
    Invocation invocation;
    const std::optional<UsageError> error = parse_invocation(args, invocation);
    Terminal terminal(invocation.encoding);
    const int status = error ? usage_error(terminal, *error) : run(invocation, terminal);
    if (terminal.finish()) return status;
    // A list cut short by a full disk must not pass for the whole list.
    terminal.gbk(Stream::err, cli_text::kOutputFailed);
    terminal.gbk(Stream::err, "\n");
    terminal.finish();
    const bool diff = !invocation.words.empty() && invocation.words[0] == "diff";
    return diff ? kExitTrouble : std::max(status, kExitRefused);
}
