#include "nicproto/command_slot.h"

#include "common/bounded_text.h"

namespace nic {

bool IsKnownCommand(std::uint8_t command) {
  switch (command) {
    case 1: case 2: case 3: case 5: case 6: case 7: case 16: case 32: case 33: case 34: case 35:
      return true;
    default:
      return false;
  }
}

bool CommandAwaitsReply(std::uint8_t command) {
  return IsKnownCommand(command) && command != 6 && command != 32;
}

CommandPayload RequestPayload(std::uint8_t command) {
  switch (command) {
    case 1: return CommandPayload::ConfigItems;
    case 6: case 7: case 34: return CommandPayload::Text;
    case 16: return CommandPayload::Mac;
    default: return CommandPayload::None;
  }
}

CommandPayload ReplyPayload(std::uint8_t command) {
  switch (command) {
    case 2: return CommandPayload::ConfigItems;
    case 3: case 7: case 33: case 35: return CommandPayload::Text;
    case 5: return CommandPayload::StatusText;
    default: return CommandPayload::None;
  }
}

void SetCommandText(CommandSlot& slot, const char* text) {
  slot.textLength = CopyBoundedText(slot.text, text);
}

CommandSlotList::CommandSlotList(std::size_t count) : slots_(count) {}

CommandSlot* CommandSlotList::GetOrCreate(std::uint8_t command) {
  for (CommandSlot& slot : slots_) {
    if (slot.state != SlotState::Free && slot.command == command) return &slot;
  }
  for (CommandSlot& slot : slots_) {
    if (slot.state == SlotState::Free) {
      slot = CommandSlot{};
      slot.state = SlotState::Pending;
      slot.command = command;
      return &slot;
    }
  }
  return nullptr;
}

const CommandSlot* CommandSlotList::FindAnswered(std::uint8_t command) const {
  for (const CommandSlot& slot : slots_) {
    if (slot.state == SlotState::Answered && slot.command == command) return &slot;
  }
  return nullptr;
}

}  // namespace nic
