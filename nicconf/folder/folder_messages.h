#pragma once
// The folder's message boxes: texts from the module's string table by
// number, at four levels (information "情報", warning "注意" with the
// exclamation mark, question "確認", error "注意" with the stop sign), each
// task-modal. A text that takes arguments has them filled in.

#include <windows.h>

#include <string>

#include "nicconf/exchange/message_sink.h"

enum class MessageLevel { Information, Warning, Question, Error };

// The button pressed. `buttons` adds to the level's icon (MB_OK, MB_YESNO…).
int ShowFolderMessage(HWND owner, MessageLevel level, int textId, UINT buttons = MB_OK, ...);
// The same for a Shift_JIS text made elsewhere.
int ShowFolderText(HWND owner, MessageLevel level, const std::string& text, UINT buttons = MB_OK);

// A string of the module's table as Shift_JIS; "" when there is none.
std::string FolderString(int id);

// How the exchanges show their messages while the folder is loaded: the
// title and text they name, from the folder's table.
nic::MessageCalls FolderMessageCalls();
