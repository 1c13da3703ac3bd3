#pragma once
#include "config/window.h"

// The navigator module's port row and, when its encoding is known, its baud-rate row.
void list_module_rows(Context& context);

// Enter in the value box for a module: the selected row decides what, the offset box where.
void patch_module_row(Context& context);
