#pragma once
// Works a module's modal windows the way a user would. The call that shows
// them (an exported entry, a COM method) runs on a thread of its own; the
// test, on its thread, types into fields, clicks, and reads and answers every
// message box that comes up. Every wait has a time limit, so a window that
// misbehaves fails the test instead of hanging it. The controls of the
// windows are read and driven with the helpers of control_driver.h and
// property_sheet_driver.h.

#include <windows.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace testkit {

enum class Icon { Stop, Exclamation, Question, Information, Other };

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

// The buttons pressed for the message boxes that come up, in turn; a box
// with no answer left gets its default button, as Enter would.
using Answers = std::vector<int>;

class DialogSession {
 public:
  // Message boxes are told from the call's other windows by their captions.
  DialogSession(std::vector<std::wstring> messageCaptions, std::function<BOOL()> call);
  DialogSession(std::wstring messageCaption, std::function<BOOL()> call);
  // Works the windows a module opened on a thread of its own (a worker that
  // shows a sheet) instead of a call's.
  static std::unique_ptr<DialogSession> Following(std::vector<std::wstring> messageCaptions, DWORD threadId);
  // Cancels whatever is still open and waits for the call.
  ~DialogSession();
  DialogSession(const DialogSession&) = delete;
  DialogSession& operator=(const DialogSession&) = delete;

  // The window the call shows first (a dialog or a property sheet), once it
  // is on screen; null after the limit.
  HWND Dialog();
  // A window the dialog opened over itself that is not a message box.
  HWND Popup();
  // A window of the call's with this caption, once it is on screen.
  HWND WindowTitled(const std::wstring& caption);

  void Type(int id, const std::wstring& text);
  // Sets the box as a click would and tells the dialog of the click.
  void Tick(int id, bool ticked);
  void Tick(HWND window, int id, bool ticked);
  // The messages that came up in answer to the click, each read and
  // answered.
  Messages Click(int id, const Answers& answers = {});
  Messages Click(HWND window, int id, const Answers& answers = {});
  // After something the test did to `window` another way (a key, a page
  // change): the messages it brought up, read and answered.
  Messages MessagesOver(HWND window, const Answers& answers = {});
  // The same once at least one box has come up over `window`, for what the
  // test posted (keys, a command): a posted message may still be waiting
  // when a sent one has been answered.
  Messages MessagesComingOver(HWND window, const Answers& answers = {});

  std::wstring Text(int id);
  bool Ticked(int id);
  bool Enabled(int id);
  LRESULT Send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

  // Waits for the call to return, answering any message on the way.
  CallEnd Finish(const Answers& answers = {});

  // The windows the call's thread has open.
  std::vector<HWND> CallWindows();

 private:
  struct Call;
  DialogSession(std::vector<std::wstring> messageCaptions, DWORD threadId);

  HWND Item(int id);
  bool IsMessageBox(HWND window);
  Messages AnswerMessagesOver(HWND window, const Answers& answers, std::size_t& used);
  void CloseEverything();

  std::vector<std::wstring> captions_;
  std::shared_ptr<Call> call_;
  std::thread thread_;
  HWND dialog_ = nullptr;
  bool dialogMissing_ = false;  // waited for once, in vain
};

// A visible dialog of this process with this caption, on whichever thread,
// once it is on screen; null after the limit.
HWND ProcessWindowTitled(const std::wstring& caption);

// Polls `ready` every few milliseconds until it holds or the limit of
// `limitMs` passes; false then.
bool WaitFor(const std::function<bool()>& ready, DWORD limitMs = 15000);
// Sent with a time limit, so a hung window fails instead of hanging.
LRESULT SendWithin(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// Returns once the window's thread has handled everything sent to it
// before, or has entered a modal loop (a message box) while handling it.
void Settle(HWND window);

std::wstring WindowText(HWND window);
std::wstring ClassName(HWND window);
// A closed dialog is destroyed only once its modal loop has ended.
bool WaitUntilGone(HWND window);
// Every descendant window, in z-order of each parent.
std::vector<HWND> Children(HWND window);
// The texts of the window's static controls, in their order.
std::vector<std::wstring> StaticTexts(HWND window);

}  // namespace testkit
