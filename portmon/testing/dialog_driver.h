#pragma once
// Works the monitor's modal dialogs the way a user at the spooler's side
// would. The monitor entry that shows a dialog runs on a thread of its own;
// the test, on its thread, types into fields, clicks, and reads and closes
// every message box that comes up. Every wait has a time limit, so a dialog
// that misbehaves fails the test instead of hanging it.

#include <windows.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace portmon::test {

enum class Icon { Stop, Exclamation, Other };

struct ShownMessage {
  std::wstring text;
  Icon icon;
  bool operator==(const ShownMessage&) const = default;
};
void PrintTo(const ShownMessage& message, std::ostream* out);
using Messages = std::vector<ShownMessage>;

struct CallEnd {
  bool finished = false;
  BOOL result = FALSE;
  DWORD error = 0;  // the thread's last error right after the call
  Messages messages;  // shown while waiting for the end
};

class DialogSession {
 public:
  // Message boxes are told from the call's other windows by `messageCaption`.
  DialogSession(std::wstring messageCaption, std::function<BOOL()> call);
  // Cancels whatever is still open and waits for the call.
  ~DialogSession();
  DialogSession(const DialogSession&) = delete;
  DialogSession& operator=(const DialogSession&) = delete;

  // The dialog the call shows, once it is on screen; null after the limit.
  HWND Dialog();
  // A window the dialog opened over itself that is not a message box.
  HWND Popup();

  void Type(int id, const std::wstring& text);
  // Sets the box as a click would and tells the dialog of the click.
  void Tick(int id, bool ticked);
  // The messages that came up in answer to the click, each read and closed.
  Messages Click(int id);
  Messages Click(HWND window, int id);

  std::wstring Text(int id);
  bool Ticked(int id);
  bool Enabled(int id);
  LRESULT Send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

  // Waits for the call to return, closing any message on the way.
  CallEnd Finish();

 private:
  struct Call;

  HWND Item(int id);
  std::vector<HWND> CallWindows();
  Messages CloseMessagesOver(HWND window);
  void CloseEverything();

  std::wstring caption_;
  std::shared_ptr<Call> call_;
  std::thread thread_;
  HWND dialog_ = nullptr;
  bool dialogMissing_ = false;  // waited for once, in vain
};

std::wstring WindowText(HWND window);
// A closed dialog is destroyed only once its modal loop has ended.
bool WaitUntilGone(HWND window);
// The texts of the window's static controls, in their order.
std::vector<std::wstring> StaticTexts(HWND window);

}  // namespace portmon::test
