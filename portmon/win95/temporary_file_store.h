#pragma once
// Where a collated job's page data waits on the 95 line: a file of its own
// in the temporary folder, named with the "ppr" prefix, marked temporary and
// shared with no one, deleted when the job ends. A store that cannot be made
// is reported with an exclamation beep and message 505 over no window.

#include "portmon/core/collation_state.h"

namespace portmon {

CollationCalls TemporaryFileStores();

}  // namespace portmon
