#include "nicconf/exchange/status_summary.h"

#include "common/bounded_text.h"
#include "nicproto/picture_flags.h"
#include "nicproto/status_interpretation.h"

namespace nic {

void TakeStatusSummary(const StatusRecord& status, PrinterPictureInfo& info) {
  info.statusReceived = 1;
  CopyBoundedText(info.model, status.mdl);
  info.extStatusValid = status.extStatusValid;
  info.advInfoValid = status.advInfoValid;
  if (status.extStatusValid) {
    info.extAlarmBits = status.extStatus.alarmBits;
    info.family = PrinterFamily(status.extStatus.printerSpecific);
  }
  if (status.advInfoValid) info.advAlarmBits = status.advInfo.alarmBits;
  info.paperSource = status.advInfoValid   ? status.advInfo.bytes12[0]
                     : status.extStatusValid ? status.extStatus.paperSource
                                             : 255;
  ComputePictureFlags(status, info.pictureFlags);
}

}  // namespace nic
