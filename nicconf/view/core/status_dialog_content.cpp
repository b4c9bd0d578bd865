#include "nicconf/view/core/status_dialog_content.h"

#include <strings.h>

#include "nicproto/status_interpretation.h"

namespace nic {

StatusDialogContent StatusDialogShows(const PrinterPictureInfo& status, bool addressHint, bool remotePower) {
  const StatusMessage message = InterpretStatus(StatusWordsOf(status), status.family);
  StatusDialogContent content;
  content.headline = message.title;
  content.detail = message.message;
  content.stateTag = message.stateTag;
  if (addressHint) content.detail += std::string("\n") + kAddressHint;
  const bool silent = content.stateTag == "<STATE_NO_RESPONSE>";
  content.onEnabled = remotePower && silent;
  content.offEnabled = remotePower && !silent;
  return content;
}

bool RemotePowerByMac(const char* mac) { return mac != nullptr && strncasecmp(mac, "0A:5E:91", 8) == 0; }

}  // namespace nic
