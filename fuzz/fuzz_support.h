#pragma once
// What the fuzz targets share: the input reader and file shapes, a model of the formats
// written apart from the core, real files in a private folder watched at the system's
// door, and the window held in memory for the form's handlers.
#include "fuzz/edit_steps.h"
#include "fuzz/format_model.h"
#include "fuzz/fuzz_files.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/io_watch.h"
#include "fuzz/memory_form.h"
