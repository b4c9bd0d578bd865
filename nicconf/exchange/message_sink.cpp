#include "nicconf/exchange/message_sink.h"

#include <cstdio>

namespace nic {
namespace {

void WriteToErrorOutput(void*, MessageIcon, int titleId, int textId) {
  std::fprintf(stderr, "%s: %s\n", MessageText(titleId), MessageText(textId));
}

}  // namespace

MessageCalls ErrorOutputMessages() { return {nullptr, WriteToErrorOutput}; }

const char* MessageText(int id) {
  switch (id) {
    case kMessageErrorTitle: return "エラー";
    case kMessageUnexpectedError: return "予期せぬエラー(140)";
    case kMessageAllocationFailed: return "メモリアロケートに失敗しました。";
    default: return "";
  }
}

}  // namespace nic
