#include "nicconf/folder/folder_messages.h"

#include <cstdarg>
#include <cstdio>
#include <string>

#include "nicconf/folder/module.h"

namespace {

struct LevelLook {
  const char* caption;
  UINT icon;
};

LevelLook LookOf(MessageLevel level) {
  switch (level) {
    case MessageLevel::Information: return {"情報", MB_ICONINFORMATION};
    case MessageLevel::Warning: return {"注意", MB_ICONEXCLAMATION};
    case MessageLevel::Question: return {"確認", MB_ICONQUESTION};
    case MessageLevel::Error: break;
  }
  return {"注意", MB_ICONSTOP};
}

UINT IconOf(nic::MessageIcon icon) {
  switch (icon) {
    case nic::MessageIcon::Information: return MB_ICONINFORMATION;
    case nic::MessageIcon::Warning: return MB_ICONEXCLAMATION;
    case nic::MessageIcon::Question: return MB_ICONQUESTION;
    case nic::MessageIcon::Error: break;
  }
  return MB_ICONSTOP;
}

void ShowExchangeMessage(void*, nic::MessageIcon icon, int titleId, int textId) {
  MessageBoxA(nullptr, FolderString(textId).c_str(), FolderString(titleId).c_str(),
              IconOf(icon) | MB_OK | MB_TASKMODAL);
}

}  // namespace

std::string FolderString(int id) {
  char text[1024];
  const int length = LoadStringA(FolderInstance(), static_cast<UINT>(id), text, sizeof text);
  return std::string(text, length > 0 ? length : 0);
}

int ShowFolderMessage(HWND owner, MessageLevel level, int textId, UINT buttons, ...) {
  const std::string format = FolderString(textId);
  char text[2048];
  va_list arguments;
  va_start(arguments, buttons);
  std::vsnprintf(text, sizeof text, format.c_str(), arguments);
  va_end(arguments);
  return ShowFolderText(owner, level, text, buttons);
}

int ShowFolderText(HWND owner, MessageLevel level, const std::string& text, UINT buttons) {
  const LevelLook look = LookOf(level);
  return MessageBoxA(owner, text.c_str(), look.caption, look.icon | buttons | MB_TASKMODAL);
}

nic::MessageCalls FolderMessageCalls() { return {nullptr, ShowExchangeMessage}; }
