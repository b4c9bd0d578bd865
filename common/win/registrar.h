#pragma once
// Carries out registration scripts on the registry: registering creates the
// keys and values of the script (a ForceRemove key replaced whole) and, when
// a step fails half-way, removes again every key it had created;
// unregistering removes every key not marked NoRemove, with all below it.

#include <windows.h>

#include <string_view>

// S_OK, or the failure of the script's parse or of the registry (with
// nothing of the script left behind).
HRESULT RegisterScript(std::string_view script);
// Removes what the script names; a key already missing is no failure.
HRESULT UnregisterScript(std::string_view script);
