#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/outcome_hints.h"
#include "ops/export_body.h"
#include "ops/hints.h"

int run_export(CommandContext& context) {
    NaviFile file;
    if (!context.open(context.operand(0), file)) return kExitRefused;
    if (file.kind != FileKind::config) return context.conclude(hint::kNotKld);
    return context.conclude(hint_for(export_body(file, context.operand(1))));
}
