#include "cli/cli_texts.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "ops/backup.h"
#include "ops/hints.h"

int run_restore(CommandContext& context) {
    const std::string& path = context.operand(0);
    switch (restore_backup(path)) {
    case RestoreOutcome::done: return kExitDone;
    case RestoreOutcome::no_backup:
        context.terminal.gbk(Stream::err, cli_text::kNoBackupBefore);
        context.terminal.argument(Stream::err, backup_path(path));
        context.terminal.gbk(Stream::err, cli_text::kNoBackupAfter);
        context.terminal.gbk(Stream::err, "\n");
        return kExitRefused;
    case RestoreOutcome::failed: break;
    }
    return context.conclude(hint::kWriteFailed);
}
