#include "printproc/core/dispatch_job_info.h"


#include "common/bounded_text.h"

namespace printproc {
namespace {

bool IsShiftJisLead(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// A cut through a two-byte Shift_JIS character would leave its lead byte
// behind, which readers take as half of a character that swallows the
// terminator; the cut is moved in front of it.
template <std::size_t N>
void CopyWholeCharacters(char (&field)[N], const char* source) {
  const std::size_t copied = CopyBoundedText(field, source);
  std::size_t at = 0;
  while (at < copied) {
    const bool lead = IsShiftJisLead(static_cast<unsigned char>(field[at]));
    if (lead && at + 1 == copied) {
      field[at] = '\0';
      return;
    }
    at += lead ? 2 : 1;
  }
}

}  // namespace

DispatchJobInfo MakeDispatchJobInfo(std::uint32_t startResult, const char* printer,
                                    const char* document, const char* user) {
  DispatchJobInfo info{};
  info.startResult = startResult;
  CopyWholeCharacters(info.printer, printer);
  CopyWholeCharacters(info.document, document);
  CopyWholeCharacters(info.user, user);
  return info;
}

}  // namespace printproc
