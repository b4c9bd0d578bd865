#include "portmon/core/printer_data.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "portmon/core/hbm_reply.h"
#include "portmon/core/mac_text.h"
#include "portmon/core/nic_query.h"
#include "portmon/core/printer_state.h"

namespace portmon {
namespace {

constexpr std::uint32_t kErrorInsufficientBuffer = 122;  // ERROR_INSUFFICIENT_BUFFER
constexpr std::uint8_t kFirmwareTag = 0xFB;
constexpr std::size_t kFirmwareOffset = 8;
constexpr std::size_t kFirmwareLength = 5;
constexpr std::uint8_t kReadConfigCommand = 2;
constexpr std::size_t kStateAnswerSize = 3 * sizeof(std::uint32_t);
constexpr std::size_t kNrvHeaderLength = 5;  // "nrv" and the length

// Ports may be asked at the same time, so every answer has its own buffer.
using ReplyBuffer = std::array<std::uint8_t, kReplyBufferSize>;

bool Answers(const MonitorVariant& variant, std::uint32_t code) {
  switch (code) {
    case PDC_NIC_STATUS: return true;
    case PDC_POWER_CONTROL_ENABLED:
    case PDC_POWER_ON:
    case PDC_PRINTER_STATE: return variant.powerControl;
    case PDC_DEVICE_ID: return variant.deviceIdByCode;
    case IOCTL_PAR_QUERY_DEVICE_ID: return variant.deviceIdByIoctl;
    default: return false;
  }
}

PrinterDataResult Answer(bool ok) { return {ok, 0, false, 0}; }

PrinterDataResult Sized(bool ok, std::size_t returned) {
  return {ok, static_cast<std::uint32_t>(returned), true, 0};
}

// Written even when the NIC is silent: the tag and version tell the caller
// which monitor answered, zeros that the NIC did not.
PrinterDataResult NicStatus(NetPort& port, const MonitorVariant& variant,
                            std::span<std::uint8_t> output) {
  if (output.size() < kNicStatusAnswerSize) return Answer(true);
  const auto answer = output.first(kNicStatusAnswerSize);
  std::fill(answer.begin(), answer.end(), 0);
  std::copy(std::begin(kNicStatusTag), std::end(kNicStatusTag), answer.begin());
  answer[6] = variant.answerVersion;
  answer[7] = variant.answerByte7;
  ReplyBuffer buffer;
  StatusReply reply;
  if (QueryNicStatus(port, buffer, reply)) {
    const auto hbm = std::span<const std::uint8_t>(buffer).first(reply.hbmLength);
    if (const auto firmware = FindReplyAttribute(hbm, kFirmwareTag)) {
      std::copy_n(firmware->begin(), std::min(firmware->size(), kFirmwareLength),
                  answer.begin() + kFirmwareOffset);
    }
  }
  return Sized(true, kNicStatusAnswerSize);
}

bool EqualsIgnoringCase(std::string_view text, std::string_view upper) {
  return text.size() == upper.size() &&
         std::equal(text.begin(), text.end(), upper.begin(), [](char a, char b) {
           return (a >= 'a' && a <= 'z' ? static_cast<char>(a - 'a' + 'A') : a) == b;
         });
}

PrinterDataResult PowerControlEnabled(const PortSettings& settings) {
  return Answer(settings.powerControl && EqualsIgnoringCase(*settings.powerControl, "ON"));
}

// The printer's own address first, then the broadcast, which reaches the NIC
// even when the way to its address is no longer known; the broadcast
// decides the answer.
PrinterDataResult PowerOn(const NetPort& port, const PortSettings& settings) {
  std::uint8_t mac[6];
  if (!settings.mac || !ParseStoredMac(*settings.mac, mac)) return Answer(false);
  WakePrinter(port, mac, 0);
  return Answer(WakePrinter(port, mac, settings.wakeBroadcast));
}

// The three words start as the caller's: bits of word 0 that the NIC's
// items do not decide stay as they were.
PrinterDataResult PrinterState(NetPort& port, std::span<std::uint8_t> output) {
  if (output.size() < kStateAnswerSize) return {false, 0, false, kErrorInsufficientBuffer};
  ReplyBuffer reply;
  std::size_t replyLength = 0;
  if (!SendNicCommand(port, kReadConfigCommand, {}, reply, replyLength, 1)) return Answer(false);
  std::uint32_t words[3];
  std::memcpy(words, output.data(), kStateAnswerSize);
  const bool complete = ReadPrinterState(std::span(reply).first(replyLength), words);
  std::memcpy(output.data(), words, kStateAnswerSize);
  return Answer(complete);
}

// The device ID is the printer's status text, after the nrv datagram's
// header.
PrinterDataResult DeviceId(NetPort& port, std::span<std::uint8_t> output) {
  ReplyBuffer buffer;
  StatusReply reply;
  if (!QueryNicStatus(port, buffer, reply)) return Sized(false, 0);
  const std::size_t start = reply.hbmLength + kNrvHeaderLength;
  const std::size_t count =
      reply.totalLength > start ? std::min(reply.totalLength - start, output.size()) : 0;
  if (count > 0) std::copy_n(buffer.begin() + static_cast<std::ptrdiff_t>(start), count, output.begin());
  return Sized(true, count);
}

}  // namespace

PrinterDataResult AnswerPrinterData(NetPort& port, const MonitorVariant& variant, std::uint32_t code,
                                    std::span<std::uint8_t> output, const PortSettings& settings) {
  if (!Answers(variant, code)) return {false, 0, true, kErrorInvalidParameter};
  switch (code) {
    case PDC_NIC_STATUS: return NicStatus(port, variant, output);
    case PDC_POWER_CONTROL_ENABLED: return PowerControlEnabled(settings);
    case PDC_POWER_ON: return PowerOn(port, settings);
    case PDC_PRINTER_STATE: return PrinterState(port, output);
    default: return DeviceId(port, output);
  }
}

}  // namespace portmon
