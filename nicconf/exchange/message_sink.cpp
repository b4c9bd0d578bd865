#include "nicconf/exchange/message_sink.h"

#include <cstdio>

namespace nic {
namespace {

void WriteToErrorOutput(void*, MessageIcon, int titleId, int textId) {
  std::fprintf(stderr, "%s: %s\n", MessageText(titleId), MessageText(textId));
}

constexpr MessageSink kDefaultSink{WriteToErrorOutput, nullptr};
MessageSink current = kDefaultSink;

}  // namespace

void SetMessageSink(const MessageSink& sink) { current = sink; }
void ResetMessageSink() { current = kDefaultSink; }

void ShowMessage(MessageIcon icon, int titleId, int textId) {
  if (current.show != nullptr) current.show(current.context, icon, titleId, textId);
}

const char* MessageText(int id) {
  switch (id) {
    case kMessageErrorTitle: return "エラー";
    case kMessageUnexpectedError: return "予期せぬエラー(140)";
    default: return "";
  }
}

}  // namespace nic
