#pragma once
// What the status dialog of one printer shows: the headline and detail of
// its interpreted status, the address hint after a read that needed the
// route/ARP path, and which remote power buttons can be pressed.

#include <string>

#include "nicconf/exchange/status_poll.h"

namespace nic {

inline constexpr char kAddressHint[] =
    "プリンタの IP アドレスが異なっているか、またはプリンタ応答待ち時間の値が小さすぎます。";

struct StatusDialogContent {
  std::string headline;
  std::string detail;
  std::string stateTag;
  bool onEnabled = false;   // only a remote-power printer that does not answer
  bool offEnabled = false;  // only a remote-power printer that answers
};

// `remotePower`: the printer's NIC can be switched on and off remotely.
StatusDialogContent StatusDialogShows(const PrinterPictureInfo& status, bool addressHint, bool remotePower);

// Without a reply a printer counts as remote-power capable exactly when its
// NIC is one of the remote-power boards, told by its MAC's first three bytes.
bool RemotePowerByMac(const char* mac);

}  // namespace nic
