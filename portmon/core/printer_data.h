#pragma once
// What drivers and status tools ask a port through the spooler's
// GetPrinterDataFromPort, by control code.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "portmon/core/monitor_variant.h"
#include "portmon/core/net_port.h"

namespace portmon {

inline constexpr std::uint32_t kLimitedBroadcast = 0xFFFFFFFFu;  // 255.255.255.255

inline constexpr std::uint32_t PDC_CANCEL_JOB = 7;
inline constexpr std::uint32_t PDC_DEVICE_ID = 17;
inline constexpr std::uint32_t PDC_NIC_STATUS = 300;
inline constexpr std::uint32_t PDC_POWER_CONTROL_ENABLED = 301;
inline constexpr std::uint32_t PDC_POWER_ON = 302;
inline constexpr std::uint32_t PDC_PRINTER_STATE = 304;
inline constexpr std::uint32_t IOCTL_PAR_QUERY_DEVICE_ID = 0x0016000C;

inline constexpr std::uint32_t kErrorInvalidParameter = 87;  // ERROR_INVALID_PARAMETER

// The port's stored settings, read by the shell from the registry.
struct PortSettings {
  std::optional<std::string> mac;           // "MAC Address"
  std::optional<std::string> powerControl;  // "PowerControl"
  // Not stored: where the broadcast round of a wake-up goes (network byte
  // order). The limited broadcast reaches a switched-off printer whose NIC
  // still listens; tests point it at loopback so nothing leaves the machine.
  std::uint32_t wakeBroadcast = kLimitedBroadcast;
};

struct PrinterDataResult {
  bool ok = false;
  std::uint32_t returned = 0;
  bool returnedSet = false;  // some answers leave the caller's size alone
  std::uint32_t error = 0;   // set as the thread's last error when not 0
};

// Codes the variant does not know are refused with ERROR_INVALID_PARAMETER
// and size 0. PDC_CANCEL_JOB is the job layer's and is not answered here.
// (Not GetPrinterData: Windows headers make that name a macro.)
PrinterDataResult AnswerPrinterData(NetPort& port, const MonitorVariant& variant, std::uint32_t code,
                                 std::span<std::uint8_t> output, const PortSettings& settings);

// The 16-byte answer to PDC_NIC_STATUS.
inline constexpr std::size_t kNicStatusAnswerSize = 16;
inline constexpr char kNicStatusTag[] = "NRVPM";

}  // namespace portmon
