#pragma once
// What the job layer asks of the spooler, as a seam: the shell points it at
// winspool, tests at a recording double. The long waits are here too, so
// tests need not wait ten seconds or two hours.

#include <cstdint>
#include <string>

namespace portmon {

// Spooler job commands, statuses and printer attributes by their values.
inline constexpr std::uint32_t kJobControlCancel = 3;
inline constexpr std::uint32_t kJobControlRestart = 4;
inline constexpr std::uint32_t kJobControlSentToPrinter = 6;
inline constexpr std::uint32_t kJobStatusDeleting = 0x4;
inline constexpr std::uint32_t kJobStatusPrinting = 0x10;
inline constexpr std::uint32_t kPrinterAttributeEnableBidi = 0x800;

struct SpoolerCalls {
  void* context;
  // OpenPrinter by name with no defaults; null when it fails.
  void* (*openPrinter)(void* context, const std::u16string& printerName);
  void (*closePrinter)(void* context, void* printer);
  // GetPrinter level 2: the attributes and the default data type.
  bool (*getPrinter)(void* context, void* printer, std::uint32_t& attributes,
                     std::u16string& datatype);
  // GetJob level 1: the job's status.
  bool (*getJobStatus)(void* context, void* printer, std::uint32_t jobId, std::uint32_t& status);
  // SetJob with a control command.
  bool (*controlJob)(void* context, void* printer, std::uint32_t jobId, std::uint32_t command);
  // SetJob level 1 with a new status.
  bool (*setJobStatus)(void* context, void* printer, std::uint32_t jobId, std::uint32_t status);
};

struct JobTimings {
  std::uint32_t writeLimitMs = 10000;     // one WritePort
  std::uint32_t drainLimitMs = 7200000;   // waiting for the printer to close, two hours
  std::uint16_t lingerSeconds = 7200;
  std::uint32_t attemptPauseMs = 1000;    // collated sending: after an attempt ran out of time
  std::uint32_t roundPauseMs = 5000;      // collated sending: between rounds
};


}  // namespace portmon
