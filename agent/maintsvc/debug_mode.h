#pragma once
// Argument "debug": the agent's work in the console until Ctrl+C or
// Ctrl+Break, without the service control manager and the event log.

namespace maintsvc {

void RunInConsole();

// Set for the rest of the process once RunInConsole has begun.
bool Debugging();

}  // namespace maintsvc
