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

PrinterPictureInfo SummaryOfRead(const TransactionBlock& block) {
  PrinterPictureInfo summary{};
  summary.family = -1;
  // An offline or printing NIC says so in its attributes, not in the text.
  if (block.attrReplied) {
    GetByteAttribute(block.attributes, tag::kPrintActivity, summary.printActivity);
    GetByteAttribute(block.attributes, tag::kPortStatus, summary.portStatus);
  }
  if (!block.statusReceived) return summary;
  summary.attrReceived = 1;
  TakeStatusSummary(block.status, summary);
  return summary;
}

void RefreshRecordFromRead(PrinterRecord& printer, const TransactionBlock& block,
                           const PrinterPictureInfo& summary) {
  if (block.status.mdl[0] != '\0') CopyBoundedText(printer.model, block.status.mdl);
  char version[kAttributeValueSize + 1] = {};
  if (GetTextAttribute(block.attributes, tag::kFirmwareVersion, version, sizeof version)) {
    CopyBoundedText(printer.version, version);
  }
  if (!summary.statusReceived) return;
  CopyBoundedText(printer.status, InterpretStatus(StatusWordsOf(summary), summary.family).stateTag);
}

}  // namespace nic
