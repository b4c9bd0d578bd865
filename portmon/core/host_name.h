#pragma once
// Which names may name a port: what the registry holds and what a user adds
// must pass the same check.

#include <string_view>

namespace portmon {

// The ANSI form must be shorter than 128 bytes; after leading blanks at
// least one character must remain, and it must not begin with '.'.
bool PassesHostNameCheck(std::string_view ansiName);

}  // namespace portmon
