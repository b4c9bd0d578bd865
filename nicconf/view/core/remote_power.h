#pragma once
// Remote power on and off: which listed printers can be asked, what the
// selection dialog says, and whether a NIC's settings let a power-off be
// asked for at all.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "nicconf/view/core/list_columns.h"
#include "nicproto/printer_record.h"

namespace nic {

enum class PowerDirection { On, Off };

// TCP/IP printers behind a remote power NIC (told by its MAC).
std::vector<PrinterRecord> PowerCandidates(std::span<const PrinterRecord> listed);

// Said when no printer can be switched that way.
std::string NoPowerPrinterText(PowerDirection direction);
// The selection dialog's title and the line above its list.
std::string PowerDialogTitle(PowerDirection direction);
std::string PowerDialogLabel(PowerDirection direction);

// The dialog's rows in the order a sort leaves them (by name before any
// click).
void SortPowerRows(std::vector<PrinterRecord>& rows, ListSort sort);

// What the NIC's items allow: item 37 refuses power-off requests; an offline
// printer (bit 0 of the port status) is not switched off unless item 38
// allows it in an alarm.
enum class PowerOffVerdict { Refused, InAlarm, Ask };
PowerOffVerdict CheckPowerOff(int refusedItem, std::uint8_t portStatus, int inAlarmItem);
// The message of a refusal; empty for Ask.
std::string PowerOffRefusalText(PowerOffVerdict verdict);
// The question before the command, with the NIC's wait in seconds.
std::string PowerOffQuestion(const PrinterRecord& printer, int waitSeconds);

}  // namespace nic
