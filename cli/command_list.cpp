#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/json_output.h"
#include "ops/comments.h"
#include "ops/hints.h"
#include "ops/list_records.h"
#include "platform/profile_file.h"

namespace {

// The whole listing first: a read that fails halfway must not leave half a list on
// standard output.
bool list_rows(const NaviFile& file, const std::optional<std::string>& ini, std::vector<ListedRow>& rows) {
    if (file.kind == FileKind::module) {
        std::vector<Record> records;
        if (list_module_records(file, records) == ListOutcome::read_failed) return false;
        for (Record& r : records) rows.push_back({std::move(r.address), std::move(r.value), {}});
        return true;
    }
    ProfileFile profile;
    return list_config_records(file, [&](int, const Record& r) {
               rows.push_back({r.address, r.value, ini ? comment_for(profile, *ini, file.edition, r.address) : ""});
           }) == ListOutcome::listed;
}

}  // namespace

int run_list(CommandContext& context) {
    NaviFile file;
    if (!context.open(context.operand(0), file)) return kExitRefused;
    std::vector<ListedRow> rows;
    if (!list_rows(file, context.invocation.ini, rows)) return context.conclude(hint::kReadFailed);
    if (context.invocation.json) {
        context.terminal.utf8(Stream::out, list_document(file.kind, file.edition, rows));
        return kExitDone;
    }
    for (const ListedRow& row : rows) context.row({row.address, row.value, row.comment});
    return kExitDone;
}
