// The collated job's page data read back from its temporary file, walked
// and re-framed for two copies.
#include <cstddef>
#include <cstdint>

#include "portmon/core/collated_job.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::uint16_t counter = 0;
  portmon::SendCollatedJob({}, {data, size}, 2, counter,
                           [](std::span<const std::uint8_t> piece) { return !piece.empty(); });
  return 0;
}
