#include <algorithm>

#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/outcome_hints.h"
#include "cli/typed_arguments.h"
#include "ops/hints.h"
#include "ops/list_records.h"
#include "ops/patch_module.h"
#include "ops/read_record.h"
#include "ops/write_value.h"

namespace {

int set_config_value(CommandContext& context, NaviFile& file, std::int64_t offset, const WriteOptions& options) {
    if (!offset_in_body(file, offset)) return context.conclude(hint::kEnterOffset);
    std::string value;
    if (!value_argument(context.operand(2), context.invocation.encoding, value))
        return context.conclude(hint::kUnwritableText);
    return context.conclude(hint_for(write_value(file, offset, value, options)));
}

// A module has two rows to write, the port and the rate; the offset names the row, as a
// click on it would in the window.
int set_module_row(CommandContext& context, NaviFile& file, std::int64_t offset, const WriteOptions& options) {
    std::vector<Record> rows;
    if (list_module_records(file, rows) == ListOutcome::read_failed) return context.conclude(hint::kReadFailed);
    const auto row = std::find_if(rows.begin(), rows.end(), [&](const Record& r) { return typed_offset(r.address) == offset; });
    if (row == rows.end()) return context.conclude(hint::kEnterOffset);
    std::string value;
    if (!value_argument(context.operand(2), context.invocation.encoding, value))
        return context.conclude(hint::kUnwritableText);
    const PatchOutcome outcome = offset == file.port.offset ? patch_port(file, offset, value, options)
                                                            : patch_rate(file, offset, value, options);
    return context.conclude(hint_for(outcome));
}

}  // namespace

int run_set(CommandContext& context) {
    NaviFile file;
    if (!context.open(context.operand(0), file)) return kExitRefused;
    std::int64_t offset = 0;
    if (!offset_argument(context.operand(1), context.invocation.encoding, offset))
        return context.conclude(hint::kEnterOffset);
    const WriteOptions options{.backup = !context.invocation.no_backup};
    if (file.kind == FileKind::module) return set_module_row(context, file, offset, options);
    return set_config_value(context, file, offset, options);
}
