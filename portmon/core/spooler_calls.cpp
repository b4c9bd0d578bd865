#include "portmon/core/spooler_calls.h"

namespace portmon {
namespace {

void* NoPrinter(void*, const std::u16string&) { return nullptr; }
void NoClose(void*, void*) {}
bool NoPrinterInfo(void*, void*, std::uint32_t&, std::u16string&) { return false; }
bool NoJobStatus(void*, void*, std::uint32_t, std::uint32_t&) { return false; }
bool NoControl(void*, void*, std::uint32_t, std::uint32_t) { return false; }

SpoolerCalls calls{nullptr, NoPrinter, NoClose, NoPrinterInfo, NoJobStatus, NoControl, NoControl};
JobTimings timings;

}  // namespace

void SetSpoolerCalls(const SpoolerCalls& replacement) { calls = replacement; }
const SpoolerCalls& CurrentSpoolerCalls() { return calls; }
void SetJobTimings(const JobTimings& replacement) { timings = replacement; }
const JobTimings& CurrentJobTimings() { return timings; }

}  // namespace portmon
