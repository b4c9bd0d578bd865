#include "platform/clock.h"

#include "platform/tick.h"

namespace platform {
namespace {

std::uint32_t Now(void*) { return TickCount(); }
void Sleep(void*, std::uint32_t milliseconds) { SleepMs(milliseconds); }

constexpr Clock kSystemClock{nullptr, Now, Sleep};

}  // namespace

const Clock& SystemClock() { return kSystemClock; }

}  // namespace platform
