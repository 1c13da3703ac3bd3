#include "cli/cli_texts.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/json_output.h"
#include "cli/read_only_listing.h"
#include "cli/record_diff.h"
#include "ops/backup.h"

namespace {

// The listing of one side, or the reason it cannot be compared said with its path.
bool compared_listing(CommandContext& context, const std::string& path, Listing& listing) {
    const char* problem = nullptr;
    if (read_listing(path, listing) == ReadListing::unreadable) {
        problem = cli_text::kCannotRead;
    } else if (listing.kind == FileKind::none) {
        problem = cli_text::kNotKldFile;
    } else {
        return true;
    }
    context.terminal.gbk(Stream::err, problem);
    context.terminal.argument(Stream::err, path);
    context.terminal.gbk(Stream::err, "\n");
    return false;
}

}  // namespace

int run_diff(CommandContext& context) {
    const std::string& a = context.operand(0);
    const std::string b = context.operand_count() > 1 ? context.operand(1) : backup_path(a);
    Listing listing_a, listing_b;
    if (!compared_listing(context, a, listing_a) || !compared_listing(context, b, listing_b)) return kExitTrouble;
    if (listing_a.kind != listing_b.kind) {
        context.say(cli_text::kKindsDiffer);
        return kExitTrouble;
    }
    const std::vector<Difference> differences = differing_records(listing_a.records, listing_b.records);
    if (context.invocation.json) {
        const Encoding encoding = context.invocation.encoding;
        context.terminal.utf8(Stream::out, diff_document(listing_a.kind, argument_to_utf8(a, encoding),
                                                         argument_to_utf8(b, encoding), differences));
    } else {
        for (const Difference& d : differences) context.row({d.address, d.a.value_or(""), d.b.value_or("")});
    }
    return differences.empty() ? kExitSame : kExitDifferent;
}
