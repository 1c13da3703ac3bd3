#include "cli/outcome_hints.h"

#include "ops/hints.h"

const char* hint_for(OpenOutcome outcome) {
    switch (outcome) {
    case OpenOutcome::config:
    case OpenOutcome::module: return nullptr;
    case OpenOutcome::open_failed: return hint::kOpenFailed;
    case OpenOutcome::read_failed: return hint::kReadFailed;
    case OpenOutcome::not_kld: return hint::kNotKld;
    }
    return hint::kOpenFailed;
}

const char* hint_for(WriteOutcome outcome) {
    switch (outcome) {
    case WriteOutcome::done: return nullptr;
    case WriteOutcome::bad_offset: return hint::kEnterOffset;
    case WriteOutcome::unwritable_text: return hint::kUnwritableText;
    case WriteOutcome::too_long: return hint::kValueTooLong;
    case WriteOutcome::backup_failed: return hint::kBackupFailed;
    case WriteOutcome::write_failed: return hint::kWriteFailed;
    }
    return hint::kWriteFailed;
}

const char* hint_for(PatchOutcome outcome) {
    switch (outcome) {
    case PatchOutcome::done: return nullptr;
    case PatchOutcome::bad_offset: return hint::kEnterOffset;
    case PatchOutcome::port_too_long: return hint::kPortTooLong;
    case PatchOutcome::bad_rate: return hint::kRateOnly;
    case PatchOutcome::backup_failed: return hint::kBackupFailed;
    case PatchOutcome::write_failed: return hint::kWriteFailed;
    }
    return hint::kWriteFailed;
}

const char* hint_for(ExportOutcome outcome) {
    switch (outcome) {
    case ExportOutcome::done: return nullptr;
    case ExportOutcome::onto_itself: return hint::kExportOntoItself;
    case ExportOutcome::read_failed: return hint::kReadFailed;
    case ExportOutcome::read_only:
    case ExportOutcome::write_failed: return hint::kExportFailed;
    }
    return hint::kExportFailed;
}
