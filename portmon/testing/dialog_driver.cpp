#include "portmon/testing/dialog_driver.h"

#include <gtest/gtest.h>

#include <atomic>

namespace portmon::test {
namespace {

constexpr ULONGLONG kLimitMs = 15000;
constexpr DWORD kPollMs = 20;
constexpr UINT kSendLimitMs = 15000;
constexpr int kMaxMessagesInARow = 8;

// Polls `ready` until it holds or the limit passes.
template <typename Ready>
bool WaitFor(Ready ready) {
  const ULONGLONG end = GetTickCount64() + kLimitMs;
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

// Returns once the window's thread has handled everything sent to it
// before, or has entered a modal loop (a message box) while handling it.
void Settle(HWND window) { SendWithin(window, WM_NULL, 0, 0); }

bool IsDialogWindow(HWND window) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  return std::wstring(name) == L"#32770" && IsWindowVisible(window);
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

std::vector<HWND> Children(HWND window) {
  std::vector<HWND> children;
  EnumChildWindows(window, CollectWindow, reinterpret_cast<LPARAM>(&children));
  return children;
}

bool IsStatic(HWND window) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  return _wcsicmp(name, L"Static") == 0;
}

bool ShowsIcon(HWND window) {
  return (GetWindowLongW(window, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}

Icon IconOf(HWND box) {
  for (HWND child : Children(box)) {
    if (!IsStatic(child) || !ShowsIcon(child)) continue;
    const auto icon = reinterpret_cast<HICON>(SendWithin(child, STM_GETICON, 0, 0));
    if (icon == LoadIconA(nullptr, IDI_HAND)) return Icon::Stop;
    if (icon == LoadIconA(nullptr, IDI_EXCLAMATION)) return Icon::Exclamation;
  }
  return Icon::Other;
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

std::wstring WindowText(HWND window) {
  const auto length = static_cast<std::size_t>(SendWithin(window, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(length + 1, L'\0');
  const auto copied = static_cast<std::size_t>(
      SendWithin(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data())));
  text.resize(copied);
  return text;
}

bool WaitUntilGone(HWND window) {
  return WaitFor([&] { return !IsWindow(window); });
}

std::vector<std::wstring> StaticTexts(HWND window) {
  std::vector<std::wstring> texts;
  for (HWND child : Children(window)) {
    if (IsStatic(child) && !ShowsIcon(child)) texts.push_back(WindowText(child));
  }
  return texts;
}

DialogSession::DialogSession(std::wstring messageCaption, std::function<BOOL()> call)
    : caption_(std::move(messageCaption)), call_(std::make_shared<Call>()) {
  thread_ = std::thread([state = call_, call = std::move(call)] {
    state->threadId = GetCurrentThreadId();
    state->result = call();
    state->error = GetLastError();
    state->finished = true;
  });
}

DialogSession::~DialogSession() {
  CloseEverything();
  if (call_->finished) {
    thread_.join();
    return;
  }
  ADD_FAILURE() << "the monitor call did not end";
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

HWND DialogSession::Popup() {
  HWND popup = nullptr;
  WaitFor([&] {
    for (HWND window : CallWindows()) {
      if (GetWindow(window, GW_OWNER) == Dialog() && WindowText(window) != caption_) popup = window;
    }
    return popup != nullptr;
  });
  if (popup == nullptr) ADD_FAILURE() << "no window came up over the dialog";
  return popup;
}

HWND DialogSession::Item(int id) {
  HWND item = GetDlgItem(Dialog(), id);
  if (item == nullptr) ADD_FAILURE() << "the dialog has no control " << id;
  return item;
}

void DialogSession::Type(int id, const std::wstring& text) {
  if (HWND item = Item(id)) SendWithin(item, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void DialogSession::Tick(int id, bool ticked) {
  if (HWND item = Item(id)) SendWithin(item, BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
  EXPECT_EQ(Click(id), Messages{});
}

Messages DialogSession::Click(int id) { return Click(Dialog(), id); }

// Sent, not posted: sent messages are handled in the order they were sent,
// so the settling message after it returns only once the click was handled
// or a message box it brought up waits for the user.
Messages DialogSession::Click(HWND window, int id) {
  HWND control = GetDlgItem(window, id);
  if (control == nullptr || !IsWindowEnabled(control)) {
    ADD_FAILURE() << "control " << id << " is missing or disabled";
    return {};
  }
  SendNotifyMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(control));
  Settle(window);
  return CloseMessagesOver(window);
}

Messages DialogSession::CloseMessagesOver(HWND window) {
  Messages shown;
  for (int round = 0; round < kMaxMessagesInARow; ++round) {
    HWND box = nullptr;
    for (HWND candidate : CallWindows()) {
      if (GetWindow(candidate, GW_OWNER) == window && WindowText(candidate) == caption_) {
        box = candidate;
      }
    }
    if (box == nullptr) break;
    shown.push_back(ReadMessage(box));
    SendNotifyMessageW(box, WM_COMMAND, IDOK, 0);
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

CallEnd DialogSession::Finish() {
  CallEnd end;
  WaitFor([&] {
    // Null stands for the messages a call shows with no owner window.
    std::vector<HWND> owners = CallWindows();
    owners.push_back(nullptr);
    for (HWND owner : owners) {
      const Messages shown = CloseMessagesOver(owner);
      end.messages.insert(end.messages.end(), shown.begin(), shown.end());
    }
    return call_->finished.load();
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

}  // namespace portmon::test
