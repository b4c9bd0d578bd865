// The first bytes of a job as the spooler hands them over: the driver's
// header and the marker search that decides whether copies are collated.
#include <cstddef>
#include <cstdint>

#include "portmon/core/collated_job.h"
#include "portmon/core/driver_job_header.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  if (const auto header = portmon::ReadDriverJobHeader(bytes)) {
    portmon::HasCollationMarkers(bytes, header->length);
    portmon::BuildJobPrologue(*header, 0);
  }
  return 0;
}
