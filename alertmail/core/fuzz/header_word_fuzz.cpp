// Any bytes as ISO-2022-JP text, encoded as a header word in a bounded field.
#include "alertmail/core/fuzz/bounded_conversion.h"
#include "alertmail/core/header_word.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return FuzzBoundedConversion(data, size, alertmail::EncodeHeaderWord);
}
