#pragma once
// What differs between the three builds of the monitor, as far as the core
// is concerned. One core serves them all.

#include <cstdint>

namespace portmon {

// What a write does when the printer resets the connection.
enum class ResetRule : std::uint8_t {
  RestartUnlessBidirectional,  // the job starts over unless the printer reports back; the write fails
  RestartTakingTheWrite,       // likewise, also for EMF queues failing; the write counts as done
  Fail,                        // the write fails, nothing more
};

struct MonitorVariant {
  std::uint32_t signature;     // of the port records: 0x5450 "PT", 0x4F50 "PO"
  std::uint8_t answerVersion;  // NicStatusAnswer byte 6
  std::uint8_t answerByte7;    // NicStatusAnswer byte 7
  bool powerControl;           // 301, 302, 304, MAC handling
  bool deviceIdByIoctl;        // IOCTL_PAR_QUERY_DEVICE_ID
  bool deviceIdByCode;         // PDC_DEVICE_ID (17)
  bool cancelByCode;           // PDC_CANCEL_JOB (7) carries the cancel notice
  ResetRule resetRule;
  bool markJobPrinting;        // StartDocPort sets the job's printing status
  bool collation;              // collated copies through a temporary file
  std::uint32_t endJobCommand; // what EndDocPort tells the spooler
};

extern const MonitorVariant kNt4Variant;
extern const MonitorVariant kWin95Variant;
extern const MonitorVariant kNt3Variant;

}  // namespace portmon
