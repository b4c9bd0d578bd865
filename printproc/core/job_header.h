#pragma once
// The job header the maker's driver writes into the print data, searched
// for in the data held so far:
//
//   0x1C <length> "z" "PDStart" <item>... "PDEnd"
//
// <length> is decimal (at most nine digits) and bounds the header: "PDEnd"
// must end within that many bytes counted from the "P" of "PDStart". An item
// is a keyword, "=", and a decimal number of at most nine digits; items may
// be separated by blanks, tabs, line ends, ";" or ",". Unknown keywords are
// passed over, so a newer driver's items do no harm.
//
// Once "\x1C<length>zPDStart" has been seen the header is taken to be
// there: a header that then breaks its own form, or declares more than
// kMaxHeaderLength bytes, ends the search as if no header had been found,
// rather than holding the rest of the job in memory waiting for a better one.

#include <cstddef>
#include <cstdint>

#include "printproc/core/byte_fields.h"

namespace printproc {

inline constexpr std::size_t kMaxHeaderLength = 1024;

// Unknown values are -1; without a header the job is dispatched in mode 1.
struct JobHeader {
  std::int32_t dispatchMode = 1;  // PDD
  std::int32_t duplex = -1;       // Duplex
  std::int32_t paperSize = -1;    // PSize
  std::int32_t memory = -1;       // PMemory
  std::int32_t collate = -1;      // COLLATE
  std::int32_t spool = -1;        // PSPOOL
  bool operator==(const JobHeader&) const = default;
};

enum class HeaderState {
  Searching,  // no header yet; more data may still bring one
  Found,      // a complete header
  Broken,     // a header that broke its form: go on as without one
};

struct HeaderSearch {
  HeaderState state = HeaderState::Searching;
  // While searching: where the next search over the grown data resumes.
  // Everything before it can no longer start a header.
  std::size_t resumeAt = 0;
  JobHeader header;  // the values given, when found
};

// Searches `held` from `from` on. Searching the grown data again from the
// last resumeAt gives the same answer as searching it all from 0.
HeaderSearch SearchJobHeader(Bytes held, std::size_t from = 0);

}  // namespace printproc
