#include "common/bounded_text.h"

#include <cstring>

std::size_t CopyBoundedText(char* field, std::size_t fieldSize, const char* source,
                            std::size_t sourceLength) {
  if (fieldSize == 0) return 0;
  std::size_t n = 0;
  if (source != nullptr) {
    const std::size_t limit = sourceLength < fieldSize - 1 ? sourceLength : fieldSize - 1;
    while (n < limit && source[n] != '\0') ++n;
    std::memmove(field, source, n);
  }
  field[n] = '\0';
  return n;
}

std::size_t CopyBoundedText(char* field, std::size_t fieldSize, const char* source) {
  return CopyBoundedText(field, fieldSize, source, static_cast<std::size_t>(-1));
}
