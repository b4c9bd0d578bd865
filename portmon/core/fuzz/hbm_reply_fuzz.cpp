// Replies to the monitor's probe, as they arrive from the network: every tag
// is looked up, and what is found must lie inside the received bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "portmon/core/hbm_reply.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> received(data, size);
  for (int tag = 0; tag < 256; ++tag) {
    const auto value = portmon::FindReplyAttribute(received, static_cast<std::uint8_t>(tag));
    if (value && !value->empty() &&
        (value->data() < data || value->data() + value->size() > data + size)) {
      std::abort();
    }
  }
  return 0;
}
