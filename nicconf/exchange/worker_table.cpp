#include "nicconf/exchange/worker_table.h"

#include <array>

#include "nicconf/exchange/exchange.h"

namespace nic {
namespace {
std::array<Exchange*, kWorkerSlots> slots{};
}

bool EnterWorkerTable(Exchange* exchange) {
  for (Exchange*& slot : slots) {
    if (slot == nullptr) {
      slot = exchange;
      return true;
    }
  }
  return false;
}

void LeaveWorkerTable(Exchange* exchange) {
  for (Exchange*& slot : slots) {
    if (slot == exchange) slot = nullptr;
  }
}

std::size_t WorkerCount() {
  std::size_t n = 0;
  for (Exchange* slot : slots) n += slot != nullptr;
  return n;
}

void ClearWorkerTable() {
  for (Exchange*& slot : slots) {
    if (slot == nullptr) continue;
    Exchange* exchange = slot;
    Cancel(exchange);
    Release(exchange);
    slot = nullptr;
  }
}

}  // namespace nic
