#pragma once
// At most four exchanges exist at once. The table is used only from the
// caller's (the folder window's) thread.

#include <cstddef>

namespace nic {

class Exchange;

inline constexpr std::size_t kWorkerSlots = 4;

// False when every slot is taken.
bool EnterWorkerTable(Exchange* exchange);
void LeaveWorkerTable(Exchange* exchange);
std::size_t WorkerCount();

// Cancels and frees every exchange in the table and empties it.
void ClearWorkerTable();

}  // namespace nic
