#include "tools/nicsim/nic_simulator.h"

#include <filesystem>
#include <optional>
#include <thread>

#include "outside/netware/loopback_ipx.h"
#include "tools/nicsim/event_log.h"
#include "tools/nicsim/sim_loop.h"

namespace nicsim {
namespace {

bool Refuse(std::string* error, std::string reason) {
  if (error != nullptr) *error = std::move(reason);
  return false;
}

}  // namespace

struct Simulator::Impl {
  std::string jobDir;
  std::string broadcast;
  std::uint16_t ipxPortBase = netware_standin::kDefaultPortBase;
  EventLog log;
  std::unique_ptr<SimLoop> loop;
  std::thread thread;
};

Simulator::Simulator(std::string jobDir) : impl_(std::make_unique<Impl>()) {
  impl_->jobDir = std::move(jobDir);
}

Simulator::~Simulator() { Stop(); }

bool Simulator::Start(const std::vector<SimNic>& nics, std::string* error) {
  if (impl_->loop) return Refuse(error, "already started");
  std::error_code failed;
  std::filesystem::create_directories(impl_->jobDir, failed);
  if (failed) return Refuse(error, "cannot create " + impl_->jobDir + ": " + failed.message());
  auto loop = std::make_unique<SimLoop>(impl_->jobDir, impl_->log);
  if (!loop->Open(nics, impl_->broadcast, impl_->ipxPortBase, error)) return false;
  impl_->loop = std::move(loop);
  impl_->thread = std::thread([loop = impl_->loop.get()] { loop->Run(); });
  return true;
}

void Simulator::Stop() {
  if (!impl_->loop) return;
  SimLoop& loop = *impl_->loop;
  loop.Call([&loop] { loop.Quit(); });
  impl_->thread.join();
  impl_->loop.reset();
}

bool Simulator::Update(const SimNic& nic) {
  if (!impl_->loop) return false;
  SimLoop& loop = *impl_->loop;
  bool updated = false;
  loop.Call([&] { updated = loop.Update(nic); });
  return updated;
}

bool Simulator::Find(const std::string& mac, SimNic* nic) const {
  if (!impl_->loop) return false;
  SimLoop& loop = *impl_->loop;
  std::optional<SimNic> found;
  loop.Call([&] { found = loop.Find(mac); });
  if (found && nic != nullptr) *nic = *found;
  return found.has_value();
}

void Simulator::SetBroadcastAddress(std::string ip) { impl_->broadcast = std::move(ip); }

void Simulator::SetIpxPortBase(std::uint16_t base) { impl_->ipxPortBase = base; }

void Simulator::SetEventListener(std::function<void(const Event&)> listener) {
  impl_->log.SetListener(std::move(listener));
}

std::vector<Event> Simulator::Events() const { return impl_->log.Snapshot(); }

void Simulator::ClearEvents() { impl_->log.Clear(); }

bool Simulator::WaitForEvent(const std::string& kind, int timeoutMs) const {
  return impl_->log.WaitFor(kind, timeoutMs);
}

}  // namespace nicsim
