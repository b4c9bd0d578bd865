// Any bytes as Shift_JIS text, converted to ISO-2022-JP in a bounded field.
#include "alertmail/core/fuzz/bounded_conversion.h"
#include "alertmail/core/iso2022jp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return FuzzBoundedConversion(data, size, alertmail::ToIso2022Jp);
}
