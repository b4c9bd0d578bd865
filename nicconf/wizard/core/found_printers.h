#pragma once
// What the wizard keeps of a search: each NIC found once, none already in
// the folder, TCP/IP ones only of this maker; and the rows the user chose
// on a results page.

#include <span>
#include <string>
#include <vector>

#include "nicconf/exchange/nic_search.h"
#include "nicconf/ipx/core/ipx_job.h"
#include "nicproto/printer_record.h"

namespace nic {

// True when the NIC was kept (appended to `kept` as a new record).
bool KeepTcpIpFound(const FoundNic& found, std::span<const PrinterRecord> listed,
                    std::vector<PrinterRecord>& kept);
bool KeepNetWareFound(const ipx::Result& found, std::span<const PrinterRecord> listed,
                      std::vector<PrinterRecord>& kept);

struct ChosenRow {
  std::string name;
  std::string mac;
};

enum class ChoiceRefusal { None, NothingChosen, NoRoom };

// The chosen rows, in list order, matched to the kept records by name and
// MAC and moved to the front of `kept`, which then holds only them. Refused
// with nothing chosen, or with more rows than `room`: `kept` stays.
ChoiceRefusal TakeChosen(std::vector<PrinterRecord>& kept, std::span<const ChosenRow> rows, int room);

// "予期せぬエラー(105)" and "登録可能なプリンタ数を越えています。 ..." with the room.
std::string RefusalText(ChoiceRefusal refusal, int room);

}  // namespace nic
