#pragma once
// Where a collated job's page data waits on the 95 line: a file of its own
// in the temporary folder, named with the "ppr" prefix, marked temporary and
// shared with no one, deleted when the job ends.

#include <memory>

#include "portmon/core/collation_state.h"

namespace portmon {

// A fresh store, or null when the file cannot be made.
std::unique_ptr<CollationStore> CreateTemporaryFileStore();

// An exclamation beep and message 505 with a stop icon, over no window.
void ReportTemporaryFileFailure();

}  // namespace portmon
