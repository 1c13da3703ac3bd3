#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/json_output.h"
#include "cli/typed_arguments.h"
#include "ops/hints.h"
#include "ops/read_record.h"

int run_get(CommandContext& context) {
    NaviFile file;
    if (!context.open(context.operand(0), file)) return kExitRefused;
    std::int64_t offset = 0;
    if (!offset_argument(context.operand(1), context.invocation.encoding, offset) || !offset_in_body(file, offset))
        return context.conclude(hint::kEnterOffset);
    std::string value;
    if (read_record(file, offset, value) == ReadOutcome::read_failed) return context.conclude(hint::kReadFailed);
    if (context.invocation.json) {
        context.terminal.utf8(Stream::out, get_document(offset, value));
    } else {
        context.row({value});
    }
    return kExitDone;
}
