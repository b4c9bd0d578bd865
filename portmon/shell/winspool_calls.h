#pragma once
// The job layer's spooler calls, answered by winspool.

namespace portmon {

// Points the job layer at winspool; the monitor does this when it starts.
void UseWinspool();

}  // namespace portmon
