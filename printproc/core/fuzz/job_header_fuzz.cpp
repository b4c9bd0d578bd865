// The header search as print document runs it: arbitrary job data, held
// piece by piece (the first two bytes choose the piece size), each search
// resuming where the last left off. Whatever the pieces, the answer must be
// the one a single search over the same held data gives, and the resume
// point must stay inside the held data and never move back.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "printproc/core/job_header.h"

namespace {

bool Same(const printproc::HeaderSearch& a, const printproc::HeaderSearch& b) {
  return a.state == b.state && a.resumeAt == b.resumeAt && a.header == b.header;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::size_t piece = 1 + ((data[0] | data[1] << 8) % 4096);
  const printproc::Bytes job(data + 2, size - 2);
  std::vector<std::uint8_t> held;
  printproc::HeaderSearch search;
  for (std::size_t at = 0; at < job.size(); at += piece) {
    const printproc::Bytes next = job.subspan(at, std::min(piece, job.size() - at));
    held.insert(held.end(), next.begin(), next.end());
    const std::size_t from = search.resumeAt;
    search = printproc::SearchJobHeader(held, from);
    if (search.resumeAt < from || search.resumeAt > held.size()) std::abort();
    if (!Same(search, printproc::SearchJobHeader(held))) std::abort();
    if (search.state != printproc::HeaderState::Searching) break;
  }
  return 0;
}
