#include "common/win/testing/dialog_driver.h"

#include "common/win/testing/last_error.h"

#include <gtest/gtest.h>

#include <atomic>

namespace testkit {
namespace {

constexpr DWORD kPollMs = 20;
constexpr UINT kSendLimitMs = 15000;
constexpr int kMaxMessagesInARow = 8;

// Dialogs and property sheets share the dialog class.
bool IsDialogWindow(HWND window) {
  return ClassName(window) == L"#32770" && IsWindowVisible(window);
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

bool IsStatic(HWND window) { return _wcsicmp(ClassName(window).c_str(), L"Static") == 0; }

bool ShowsIcon(HWND window) {
  return (GetWindowLongW(window, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}

Icon IconOf(HWND box) {
  for (HWND child : Children(box)) {
    if (!IsStatic(child) || !ShowsIcon(child)) continue;
    const auto icon = reinterpret_cast<HICON>(SendWithin(child, STM_GETICON, 0, 0));
    if (icon == LoadIconA(nullptr, IDI_HAND)) return Icon::Stop;
    if (icon == LoadIconA(nullptr, IDI_EXCLAMATION)) return Icon::Exclamation;
    if (icon == LoadIconA(nullptr, IDI_QUESTION)) return Icon::Question;
    if (icon == LoadIconA(nullptr, IDI_ASTERISK)) return Icon::Information;
  }
  return Icon::Other;
}

// What Enter would press: the box's default push button, else its first
// button.
int DefaultButton(HWND box) {
  int first = IDOK;
  bool seen = false;
  for (HWND child : Children(box)) {
    if (_wcsicmp(ClassName(child).c_str(), L"Button") != 0) continue;
    const int id = GetDlgCtrlID(child);
    if ((GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) return id;
    if (!seen) first = id;
    seen = true;
  }
  return first;
}

ShownMessage ReadMessage(HWND box) {
  ShownMessage message{L"", IconOf(box)};
  for (HWND child : Children(box)) {
    if (IsStatic(child) && !ShowsIcon(child) && message.text.empty()) {
      message.text = WindowText(child);
    }
  }
  return message;
}

const char* IconName(Icon icon) {
  switch (icon) {
    case Icon::Stop:
      return "stop";
    case Icon::Exclamation:
      return "exclamation";
    case Icon::Question:
      return "question";
    case Icon::Information:
      return "information";
    case Icon::Other:
      break;
  }
  return "other";
}

}  // namespace

struct DialogSession::Call {
  std::atomic<DWORD> threadId{0};
  std::atomic<bool> finished{false};
  BOOL result = FALSE;
  DWORD error = 0;
};

void PrintTo(const ShownMessage& message, std::ostream* out) {
  *out << IconName(message.icon) << ' ' << ::testing::PrintToString(message.text);
}

bool WaitFor(const std::function<bool()>& ready, DWORD limitMs) {
  const ULONGLONG end = GetTickCount64() + limitMs;
  while (!ready()) {
    if (GetTickCount64() > end) return false;
    Sleep(kPollMs);
  }
  return true;
}

LRESULT SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kSendLimitMs, &answer)) {
    return 0;
  }
  return static_cast<LRESULT>(answer);
}

void Settle(HWND window) { SendWithin(window, WM_NULL, 0, 0); }

std::wstring ClassName(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::vector<HWND> Children(HWND window) {
  std::vector<HWND> children;
  EnumChildWindows(window, CollectWindow, reinterpret_cast<LPARAM>(&children));
  return children;
}

std::wstring WindowText(HWND window) {
  const auto length = static_cast<std::size_t>(SendWithin(window, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(length + 1, L'\0');
  const auto copied = static_cast<std::size_t>(
      SendWithin(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data())));
  text.resize(copied);
  return text;
}

// A modal loop looks whether its window has ended only when a posted
// message arrives, as the button-up of a real click would be: the wait posts
// one now and then.
bool WaitUntilGone(HWND window) {
  return WaitFor([&] {
    if (!IsWindow(window)) return true;
    PostMessageW(window, WM_NULL, 0, 0);
    return false;
  });
}

namespace {

struct TitledSearch {
  const std::wstring* caption;
  HWND found;
};

BOOL CALLBACK MatchTitled(HWND window, LPARAM search) {
  auto& wanted = *reinterpret_cast<TitledSearch*>(search);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId() && IsDialogWindow(window) && WindowText(window) == *wanted.caption)
    wanted.found = window;
  return TRUE;
}

}  // namespace

HWND ProcessWindowTitled(const std::wstring& caption) {
  TitledSearch search{&caption, nullptr};
  WaitFor([&] {
    EnumWindows(MatchTitled, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  });
  return search.found;
}

std::vector<std::wstring> StaticTexts(HWND window) {
  std::vector<std::wstring> texts;
  for (HWND child : Children(window)) {
    if (IsStatic(child) && !ShowsIcon(child)) texts.push_back(WindowText(child));
  }
  return texts;
}

DialogSession::DialogSession(std::wstring messageCaption, std::function<BOOL()> call)
    : DialogSession(std::vector<std::wstring>{std::move(messageCaption)}, std::move(call)) {}

DialogSession::DialogSession(std::vector<std::wstring> messageCaptions, std::function<BOOL()> call)
    : captions_(std::move(messageCaptions)), call_(std::make_shared<Call>()) {
  thread_ = std::thread([state = call_, call = std::move(call)] {
    state->threadId = GetCurrentThreadId();
    // A stale error cannot pass for the call's own.
    PresetLastError();
    state->result = call();
    state->error = GetLastError();
    state->finished = true;
  });
}

DialogSession::DialogSession(std::vector<std::wstring> messageCaptions, DWORD threadId)
    : captions_(std::move(messageCaptions)), call_(std::make_shared<Call>()) {
  call_->threadId = threadId;
  call_->finished = true;
}

std::unique_ptr<DialogSession> DialogSession::Following(std::vector<std::wstring> messageCaptions, DWORD threadId) {
  return std::unique_ptr<DialogSession>(new DialogSession(std::move(messageCaptions), threadId));
}

DialogSession::~DialogSession() {
  CloseEverything();
  if (call_->finished) {
    if (thread_.joinable()) thread_.join();
    return;
  }
  ADD_FAILURE() << "the call did not end";
  // The thread keeps its own share of the state; it cannot be joined.
  thread_.detach();
}

std::vector<HWND> DialogSession::CallWindows() {
  std::vector<HWND> windows;
  if (!WaitFor([&] { return call_->threadId != 0; })) return windows;
  EnumThreadWindows(call_->threadId, CollectWindow, reinterpret_cast<LPARAM>(&windows));
  std::erase_if(windows, [](HWND window) { return !IsDialogWindow(window); });
  return windows;
}

HWND DialogSession::Dialog() {
  if (dialog_ != nullptr || dialogMissing_) return dialog_;
  WaitFor([&] {
    for (HWND window : CallWindows()) {
      if (GetWindow(window, GW_OWNER) == nullptr) dialog_ = window;
    }
    return dialog_ != nullptr || call_->finished;
  });
  if (dialog_ == nullptr) {
    ADD_FAILURE() << "no dialog came up";
    dialogMissing_ = true;
    return nullptr;
  }
  Settle(dialog_);
  return dialog_;
}

bool DialogSession::IsMessageBox(HWND window) {
  const std::wstring caption = WindowText(window);
  for (const std::wstring& known : captions_) {
    if (caption == known) return true;
  }
  return false;
}

HWND DialogSession::Popup() {
  HWND popup = nullptr;
  WaitFor([&] {
    for (HWND window : CallWindows()) {
      if (GetWindow(window, GW_OWNER) == Dialog() && !IsMessageBox(window)) popup = window;
    }
    return popup != nullptr;
  });
  if (popup == nullptr) ADD_FAILURE() << "no window came up over the dialog";
  return popup;
}

HWND DialogSession::WindowTitled(const std::wstring& caption) {
  HWND found = nullptr;
  WaitFor([&] {
    for (HWND window : CallWindows()) {
      if (WindowText(window) == caption) found = window;
    }
    return found != nullptr;
  });
  if (found == nullptr) ADD_FAILURE() << "no window titled " << ::testing::PrintToString(caption);
  return found;
}

HWND DialogSession::Item(int id) {
  HWND item = GetDlgItem(Dialog(), id);
  if (item == nullptr) ADD_FAILURE() << "the dialog has no control " << id;
  return item;
}

void DialogSession::Type(int id, const std::wstring& text) {
  if (HWND item = Item(id)) SendWithin(item, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void DialogSession::Tick(int id, bool ticked) { Tick(Dialog(), id, ticked); }

void DialogSession::Tick(HWND window, int id, bool ticked) {
  if (HWND item = GetDlgItem(window, id)) SendWithin(item, BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
  EXPECT_EQ(Click(window, id), Messages{});
}

Messages DialogSession::Click(int id, const Answers& answers) {
  return Click(Dialog(), id, answers);
}

// Sent, not posted: sent messages are handled in the order they were sent,
// so the settling message after it returns only once the click was handled
// or a message box it brought up waits for the user.
Messages DialogSession::Click(HWND window, int id, const Answers& answers) {
  HWND control = GetDlgItem(window, id);
  if (control == nullptr || !IsWindowEnabled(control)) {
    ADD_FAILURE() << "control " << id << " is missing or disabled";
    return {};
  }
  SendNotifyMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(control));
  return MessagesOver(window, answers);
}

Messages DialogSession::MessagesComingOver(HWND window, const Answers& answers) {
  WaitFor([&] {
    for (HWND candidate : CallWindows()) {
      if (GetWindow(candidate, GW_OWNER) == window && IsMessageBox(candidate)) return true;
    }
    return false;
  });
  return MessagesOver(window, answers);
}

Messages DialogSession::MessagesOver(HWND window, const Answers& answers) {
  Settle(window);
  std::size_t used = 0;
  return AnswerMessagesOver(window, answers, used);
}

// Message boxes may come up over a window's owned windows too (a sheet's
// pages own none, but the sheet is the owner of a page's boxes).
Messages DialogSession::AnswerMessagesOver(HWND window, const Answers& answers,
                                           std::size_t& used) {
  Messages shown;
  for (int round = 0; round < kMaxMessagesInARow; ++round) {
    HWND box = nullptr;
    for (HWND candidate : CallWindows()) {
      if (GetWindow(candidate, GW_OWNER) == window && IsMessageBox(candidate)) box = candidate;
    }
    if (box == nullptr) break;
    shown.push_back(ReadMessage(box));
    const int button = used < answers.size() ? answers[used] : DefaultButton(box);
    ++used;
    SendNotifyMessageW(box, WM_COMMAND, button, 0);
    WaitUntilGone(box);
    if (window != nullptr) Settle(window);
  }
  return shown;
}

std::wstring DialogSession::Text(int id) {
  HWND item = Item(id);
  return item != nullptr ? WindowText(item) : std::wstring();
}

bool DialogSession::Ticked(int id) { return Send(id, BM_GETCHECK) == BST_CHECKED; }

bool DialogSession::Enabled(int id) {
  HWND item = Item(id);
  return item != nullptr && IsWindowEnabled(item);
}

LRESULT DialogSession::Send(int id, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND item = Item(id);
  return item != nullptr ? SendWithin(item, message, wParam, lParam) : 0;
}

CallEnd DialogSession::Finish(const Answers& answers) {
  CallEnd end;
  std::size_t used = 0;
  WaitFor([&] {
    // Null stands for the messages a call shows with no owner window.
    std::vector<HWND> owners = CallWindows();
    owners.push_back(nullptr);
    for (HWND owner : owners) {
      const Messages shown = AnswerMessagesOver(owner, answers, used);
      end.messages.insert(end.messages.end(), shown.begin(), shown.end());
    }
    if (call_->finished.load()) return true;
    PostThreadMessageW(call_->threadId, WM_NULL, 0, 0);  // wakes a loop that has ended, as in WaitUntilGone
    return false;
  });
  end.finished = call_->finished;
  if (end.finished) {
    end.result = call_->result;
    end.error = call_->error;
  }
  return end;
}

// Message boxes and popups first: the windows they sit over wait for them.
void DialogSession::CloseEverything() {
  WaitFor([&] {
    for (HWND window : CallWindows()) {
      const bool owned = GetWindow(window, GW_OWNER) != nullptr;
      if (owned || CallWindows().size() == 1) PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    }
    return call_->finished.load();
  });
}

}  // namespace testkit
