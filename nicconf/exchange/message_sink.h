#pragma once
// How the exchange module shows a message to the user: the folder points it
// at its message box, a command line at its error output, a test at a
// recorder. Messages are named by string-table numbers.

namespace nic {

enum class MessageIcon { Information, Warning, Question, Error };

struct MessageCalls {
  void* context;
  void (*show)(void* context, MessageIcon icon, int titleId, int textId);
};

// Message numbers the exchange module uses.
inline constexpr int kMessageErrorTitle = 5505;       // "エラー"
inline constexpr int kMessageUnexpectedError = 5140;  // "予期せぬエラー(140)"
inline constexpr int kMessageAllocationFailed = 5103;  // "メモリアロケートに失敗しました。"

// Writes the texts to the error output.
MessageCalls ErrorOutputMessages();

// The Shift_JIS text of a message number this module knows; "" otherwise.
const char* MessageText(int id);

}  // namespace nic
