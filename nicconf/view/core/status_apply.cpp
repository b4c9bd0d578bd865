#include "nicconf/view/core/status_apply.h"

#include "common/bounded_text.h"
#include "nicconf/view/core/list_columns.h"
#include "nicproto/status_interpretation.h"

namespace nic {
namespace {

template <std::size_t N>
void TakeIfGiven(char (&field)[N], const char* value) {
  if (value != nullptr && value[0] != '\0') CopyBoundedText(field, value);
}

template <std::size_t N>
void TakeOrDashes(char (&field)[N], const char* value) {
  CopyBoundedText(field, value != nullptr && value[0] != '\0' ? value : kNotYet);
}

}  // namespace

ItemStatus ApplyCannotSend(PrinterRecord& record) {
  CopyBoundedText(record.status, kStateNoSending);
  return {kCannotSend};
}

ItemStatus ApplyPolledStatus(PrinterRecord& record, const PrinterPictureInfo& info, const char* nicStatus,
                             bool netWare) {
  const StatusMessage message = InterpretStatus(StatusWordsOf(info), info.family);
  CopyBoundedText(record.status, message.stateTag);
  const bool complete = info.attrReceived != 0 && info.statusReceived != 0;
  if (netWare) {
    TakeOrDashes(record.model, complete ? info.model : nullptr);
    TakeOrDashes(record.version, complete ? nicStatus : nullptr);
    return {message.title, !complete};
  }
  TakeIfGiven(record.model, info.model);
  TakeIfGiven(record.version, nicStatus);
  return {message.title};
}

}  // namespace nic
