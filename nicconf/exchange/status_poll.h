#pragma once
// Polling the status of a list of printers: two probe passes, the NICs'
// answers matched by address and MAC, and their status texts.

#include <cstdint>
#include <span>
#include <vector>

#include "nicconf/exchange/exchange.h"
#include "common/ipv4_text.h"
#include "nicproto/printer_record.h"
#include "nicproto/status_interpretation.h"
#include "platform/udp_socket.h"

namespace nic {

// What the printer picture is drawn from: the leading fields of a polled
// printer. The eight words from attrReceived to paperSource (the NIC's two
// bytes sharing one word) are the status words of InterpretStatus.
struct PrinterPictureInfo {
  char model[64];
  std::int32_t family;  // -1 until known
  std::uint32_t attrReceived;
  std::uint8_t printActivity;  // attribute 253
  std::uint8_t portStatus;     // attribute 254: bit 0 offline, bit 1 paper out
  std::uint8_t nicWordRest[2];
  std::uint32_t statusReceived;
  std::uint32_t extStatusValid;
  std::uint32_t extAlarmBits;
  std::uint32_t advInfoValid;
  std::uint32_t advAlarmBits;
  std::uint8_t paperSource;  // 255 when unknown
  std::uint8_t paperSourceRest[3];
  std::uint32_t pictureFlags[16];
};
static_assert(sizeof(PrinterPictureInfo) == 164);

// The eight status words of a picture info as InterpretStatus takes them.
inline StatusWords StatusWordsOf(const PrinterPictureInfo& info) {
  return {info.attrReceived,
          static_cast<std::uint32_t>(info.printActivity | (info.portStatus << 8)),
          info.statusReceived,
          info.extStatusValid,
          info.extAlarmBits,
          info.advInfoValid,
          info.advAlarmBits,
          info.paperSource};
}

struct PolledPrinter {
  PrinterPictureInfo info;
  char nicStatus[6];  // attribute 251, five bytes
  char ip[18];
  char mac[18];
  std::uint32_t sameIpCount;  // entries of this poll with this IP, itself included
  std::uint32_t endCode;      // kPending, then how this printer's exchange ended
  std::uint32_t socketError;
};

class StatusPoll : public Exchange {
 public:
  StatusPoll(std::span<const PrinterRecord> printers, std::uint32_t timeoutMs);

  const std::vector<PolledPrinter>& printers() const { return printers_; }

  // Takes one datagram that arrived from `from` (tests and fuzzing call it
  // directly): probe replies and status datagrams from port 8450 only.
  void Match(std::span<const std::uint8_t> datagram, const platform::ReceivedFrom& from);

 private:
  void Run() override;
  ExchangeStatus ProbePass(const std::vector<std::uint8_t>& probe, bool onlyUnanswered);
  bool AllAnswered() const;
  bool StatusesComplete() const;
  ExchangeStatus WaitUntil(bool (StatusPoll::*complete)() const);
  void EndPending(ExchangeStatus status);
  void MatchReply(std::span<const std::uint8_t> datagram, const platform::ReceivedFrom& from);
  void MatchStatus(std::span<const std::uint8_t> datagram, const platform::ReceivedFrom& from);

  std::vector<PolledPrinter> printers_;
  std::vector<IpNumbers> addresses_;  // each entry's ip, read once for matching
};

StatusPoll* StartStatusPoll(std::span<const PrinterRecord> printers, std::uint32_t timeoutMs);

// Copies the picture fields and the NIC status of the entry with this IP
// (compared as numbers) and this MAC; false when there is none.
bool GetPolledPrinter(const Exchange* poll, const char* ip, const char* mac,
                      PrinterPictureInfo& info, char (&nicStatus)[6]);

}  // namespace nic
