#include "nicconf/exchange/exchange.h"

#include <system_error>

#include "nicconf/exchange/worker_table.h"
#include "platform/tick.h"

namespace nic {

Exchange::Exchange(ExchangeKind kind, std::uint32_t timeout)
    : timeoutMs(timeout), receiveBuffer(platform::kDatagramBufferSize), kind_(kind) {}

Exchange::~Exchange() {
  if (thread_.joinable()) thread_.join();
}

bool Exchange::StartThread() {
  try {
    thread_ = std::thread(&Exchange::ThreadMain, this);
    return true;
  } catch (const std::system_error&) {
    return false;
  }
}

void Exchange::JoinThread() {
  if (thread_.joinable()) thread_.join();
}

void Exchange::ThreadMain() {
  Run();
  socket.Close();
  done_.store(true, std::memory_order_release);
}

ExchangeStatus OpenExchangeSocket(Exchange& exchange) {
  int error = exchange.socket.Open();
  if (error == 0) error = exchange.socket.LocalPort(exchange.localPort);
  if (error != 0) return {kSocketFailed, error};
  return {};
}

bool IsFinished(const Exchange* exchange) { return exchange != nullptr && exchange->finished(); }

void Cancel(Exchange* exchange) {
  if (exchange == nullptr) return;
  exchange->RequestCancel();
  while (!exchange->finished()) platform::SleepMs(100);
}

void Release(Exchange* exchange) {
  if (exchange == nullptr || !exchange->finished()) return;
  LeaveWorkerTable(exchange);
  exchange->JoinThread();
  delete exchange;
}

}  // namespace nic
