#pragma once
// Port names travel as UTF-16; the resolver, the address parser and the
// host-name check take them in the ANSI code page.

#include <string>

namespace portmon {

// At most `limit` bytes; empty when the text does not convert.
std::string ToAnsi(const std::wstring& text, std::size_t limit = 128);
std::wstring FromAnsi(const std::string& text);

// The address a name parses to as a dotted address (network byte order),
// or 0 when it is not one.
unsigned long DottedAddress(const std::wstring& name);

}  // namespace portmon
