#pragma once
// A registration of the service "NRVRMM" that never outlives a test, and its
// state as Wine's service control manager reports it.

#include <windows.h>

// Stops and deletes the service if it is registered.
void RemoveServiceIfRegistered();

// The service's state once it is `state`, or whatever it is after `timeoutMs`.
DWORD WaitForServiceState(DWORD state, DWORD timeoutMs);
