#pragma once
#include "config/window.h"

// Puts the reference comment for the row's address into its third column, from the
// section of the file's edition ("C-PND" for BF, "C-Car" for B4).
void fill_comment(Context& context, int row);
