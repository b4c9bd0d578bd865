#pragma once
// Which names may name a port: what the registry holds and what a user adds
// must pass the same check.

#include <string_view>

namespace portmon {

// The ANSI form must be shorter than 128 bytes; after leading blanks at
// least one character must remain, and it must not begin with '.'.
bool PassesHostNameCheck(std::string_view ansiName);

// Four groups of one to three decimal digits, each below 256, joined by
// '.': nothing before, between or after them. The ports of the NT 3.51 build
// are named only this way.
bool IsStrictDottedAddress(std::string_view text);

}  // namespace portmon
