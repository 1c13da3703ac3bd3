#include "cli/invocation.h"

#include "cli/cli_texts.h"

std::optional<UsageError> parse_invocation(const std::vector<std::string>& args, Invocation& invocation) {
    bool options_ended = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (options_ended || a.size() < 2 || a[0] != '-') {
            invocation.words.push_back(a);
        } else if (a == "--") {
            options_ended = true;
        } else if (a == "--help" || a == "-h") {
            invocation.help = true;
        } else if (a == "--version") {
            invocation.version = true;
        } else if (a == "--json") {
            invocation.json = true;
        } else if (a == "--no-backup") {
            invocation.no_backup = true;
        } else if (a == "--encoding" || a == "--ini") {
            if (i + 1 >= args.size()) return UsageError{cli_text::kMissingOptionValue, a};
            const std::string& v = args[++i];
            if (a == "--ini") {
                invocation.ini = v;
            } else if (v == "utf8" || v == "utf-8") {
                invocation.encoding = Encoding::Utf8;
            } else if (v == "gbk") {
                invocation.encoding = Encoding::Gbk;
            } else {
                return UsageError{cli_text::kBadEncoding, {}};
            }
        } else {
            return UsageError{cli_text::kUnknownOption, a};
        }
    }
    return std::nullopt;
}
