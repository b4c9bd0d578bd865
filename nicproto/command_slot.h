#pragma once
// A command of the command protocol together with what it sends and what its
// reply brought back. A transaction carries a list of them.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "nicproto/config_items.h"
#include "nicproto/status_text.h"

namespace nic {

inline constexpr std::uint8_t kNoCommand = 36;
inline constexpr std::size_t kCommandTextSize = 1536;

enum class SlotState : std::uint8_t { Free, Pending, Answered };

// What a command's request or reply carries after its header.
enum class CommandPayload : std::uint8_t { None, ConfigItems, Text, Mac, StatusText };

// False for numbers the protocol does not know.
bool IsKnownCommand(std::uint8_t command);
// Commands 6 and 32 are complete once sent; every other known one awaits a NAK.
bool CommandAwaitsReply(std::uint8_t command);
CommandPayload RequestPayload(std::uint8_t command);
CommandPayload ReplyPayload(std::uint8_t command);

struct CommandSlot {
  SlotState state = SlotState::Free;
  std::uint8_t command = kNoCommand;
  ConfigItemList configItems;              // commands 1 and 2
  StatusRecord status{};                   // command 5
  std::size_t textLength = 0;              // commands 3, 6, 7, 33, 34, 35
  char text[kCommandTextSize + 1] = {};    // always terminated
  std::uint8_t mac[6] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};  // command 16; all 0xFF when unset
};

// Sets a text payload, cut to kCommandTextSize.
void SetCommandText(CommandSlot& slot, const char* text);

class CommandSlotList {
 public:
  explicit CommandSlotList(std::size_t count);

  // The first in-use slot for `command`, else the first free one, now in use
  // for `command` with empty data; nullptr when every slot is taken.
  CommandSlot* GetOrCreate(std::uint8_t command);
  const CommandSlot* FindAnswered(std::uint8_t command) const;

  std::size_t size() const { return slots_.size(); }
  CommandSlot& operator[](std::size_t i) { return slots_[i]; }
  const CommandSlot& operator[](std::size_t i) const { return slots_[i]; }

 private:
  std::vector<CommandSlot> slots_;
};

}  // namespace nic
