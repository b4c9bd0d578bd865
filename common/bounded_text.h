#pragma once
// The one way text enters a fixed-size, zero-terminated field: the copy stops
// at the source's zero byte, at the given source length, or one byte short of
// the field's end, and the field is always terminated.

#include <cstddef>

// Copies at most `sourceLength` bytes of `source` (fewer if a zero byte comes
// first) into `field`, cutting so the terminating zero fits. Returns the number
// of bytes copied. A field of size 0 is left untouched.
std::size_t CopyBoundedText(char* field, std::size_t fieldSize, const char* source,
                            std::size_t sourceLength);

// Same for a zero-terminated source.
std::size_t CopyBoundedText(char* field, std::size_t fieldSize, const char* source);

template <std::size_t N>
std::size_t CopyBoundedText(char (&field)[N], const char* source) {
  return CopyBoundedText(field, N, source);
}

template <std::size_t N>
std::size_t CopyBoundedText(char (&field)[N], const char* source, std::size_t sourceLength) {
  return CopyBoundedText(field, N, source, sourceLength);
}
