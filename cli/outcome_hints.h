#pragma once
// The hint each outcome of the operations is shown with; null for success.
#include "ops/export_body.h"
#include "ops/open_file.h"
#include "ops/patch_module.h"
#include "ops/write_value.h"

const char* hint_for(OpenOutcome outcome);
const char* hint_for(WriteOutcome outcome);
const char* hint_for(PatchOutcome outcome);
const char* hint_for(ExportOutcome outcome);
