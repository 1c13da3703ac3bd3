#pragma once
#include "config/window.h"

// Decodes slots 0..190 of the open configuration file into ListView1.
void list_config_records(Context& context);
