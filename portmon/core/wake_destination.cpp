#include "portmon/core/wake_destination.h"

#include <atomic>

namespace portmon {
namespace {
std::atomic<std::uint32_t> destination{kLimitedBroadcast};
}  // namespace

std::uint32_t WakeBroadcastAddress() { return destination.load(); }

void SetWakeBroadcastAddress(std::uint32_t address) { destination.store(address); }

}  // namespace portmon
