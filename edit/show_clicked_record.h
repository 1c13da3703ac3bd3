#pragma once
#include "config/window.h"

// ListView1's left click: the selected row's address and value into the two boxes.
void show_clicked_record(Context& context);
