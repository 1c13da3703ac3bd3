#pragma once
// One function per command; each returns the exit status.
#include "cli/command_context.h"

int run_list(CommandContext& context);
int run_get(CommandContext& context);
int run_set(CommandContext& context);
int run_export(CommandContext& context);
int run_restore(CommandContext& context);
int run_diff(CommandContext& context);
