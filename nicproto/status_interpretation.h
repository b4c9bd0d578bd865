#pragma once
// What the folder shows for a polled printer: a state tag, a title, a message
// and a picture number, chosen from fixed tables that hold one variant per
// printer family. Texts are Shift_JIS at run time.

#include <cstddef>
#include <cstdint>

namespace nic {

struct StatusMessage {
  char title[128];
  char message[1024];  // lines separated by '\n'
  std::uint32_t pictureCode;
  char stateTag[64];
};
static_assert(sizeof(StatusMessage) == 1220);

// The eight status words of a polled printer, in this order.
struct StatusWords {
  std::uint32_t attrReceived;    // the NIC answered
  std::uint32_t nicWord;         // print activity in bits 0-7, port status in bits 8-15
  std::uint32_t statusReceived;
  std::uint32_t extStatusValid;
  std::uint32_t extAlarmBits;
  std::uint32_t advInfoValid;
  std::uint32_t advAlarmBits;
  std::uint32_t paperSource;
};

// The high nibble of the printer-specific byte: 0x0 -> 0, 0x2 -> 1, ... 0xC -> 6;
// any other value -> -1 (no family).
int PrinterFamily(std::uint8_t printerSpecific);

StatusMessage InterpretStatus(const StatusWords& words, int family);

enum class BasicState { Offline, Ready, Printing, PaperOut, NoResponse };

// The tables themselves, for the status dialog and for tests.
const StatusMessage& BasicStateEntry(BasicState state);
const StatusMessage& AdvancedAlarmEntry(int index);  // bit + 32 * variant, 0..63
const StatusMessage& ExtendedAlarmEntry(int index);  // bit + 32 * variant, 0..127

inline constexpr std::size_t kPaperNameSize = 64;

struct PaperNames {
  char source[kPaperNameSize];
  char size[kPaperNameSize];
};

// Names of a paper source (index 0..7) and a paper size code for the status
// dialog; an unknown family or a size code of 40 or more gives an error text
// in place of the name.
void GetPaperNames(int sourceIndex, std::uint8_t printerSpecific, std::uint32_t paperSizeCode,
                   PaperNames& names);

}  // namespace nic
