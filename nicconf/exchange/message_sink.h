#pragma once
// How the exchange module shows a message to the user: through a seam that
// the folder points at its message box, a command line at its error output,
// and a test at a recorder. Messages are named by string-table numbers.

namespace nic {

enum class MessageIcon { Information, Warning, Question, Error };

struct MessageSink {
  void (*show)(void* context, MessageIcon icon, int titleId, int textId);
  void* context;
};

// Message numbers the exchange module uses.
inline constexpr int kMessageErrorTitle = 5505;       // "エラー"
inline constexpr int kMessageUnexpectedError = 5140;  // "予期せぬエラー(140)"

// The built-in sink writes the texts to the error output.
void SetMessageSink(const MessageSink& sink);
void ResetMessageSink();
void ShowMessage(MessageIcon icon, int titleId, int textId);

// The Shift_JIS text of a message number this module knows; "" otherwise.
const char* MessageText(int id);

}  // namespace nic
