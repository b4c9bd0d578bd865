#include "tools/nicsim/nic_registry.h"

#include <set>

#include "nicproto/mac_text.h"
#include "nicproto/frame_kind.h"
#include "tools/shared/loopback_socket.h"

namespace nicsim {
namespace {

constexpr std::uint16_t kPrintPort = 9100;

bool Validate(const std::vector<SimNic>& nics, std::string* error) {
  for (std::size_t i = 0; i < nics.size(); ++i) {
    nic::Mac mac{};
    if (!nic::ParseMacText(nics[i].mac.c_str(), mac)) {
      *error = "bad MAC address: " + nics[i].mac;
      return false;
    }
    for (std::size_t j = 0; j < i; ++j) {
      if (nic::CompareMacText(nics[i].mac.c_str(), nics[j].mac.c_str()) == 0) {
        *error = "MAC address given twice: " + nics[i].mac;
        return false;
      }
    }
  }
  return true;
}

}  // namespace

bool NicRegistry::Open(const std::vector<SimNic>& nics, std::string* error) {
  std::string reason;
  Close();
  if (!Validate(nics, &reason)) {
    if (error != nullptr) *error = reason;
    return false;
  }
  for (const SimNic& settings : nics) nics_.push_back(MakeNicState(settings));
  if (Reconcile(&reason)) return true;
  Close();
  if (error != nullptr) *error = reason;
  return false;
}

void NicRegistry::Close() {
  if (!endpoints_.empty()) ++generation_;
  endpoints_.clear();
  nics_.clear();
}

std::vector<NicState*> NicRegistry::NicsAt(const std::string& ip) {
  std::vector<NicState*> found;
  for (NicState& nic : nics_) {
    if (nic.settings.ip == ip) found.push_back(&nic);
  }
  return found;
}

NicState* NicRegistry::FindByMac(const std::string& mac) {
  for (NicState& nic : nics_) {
    if (nic::CompareMacText(nic.settings.mac.c_str(), mac.c_str()) == 0) return &nic;
  }
  return nullptr;
}

const Endpoint* NicRegistry::EndpointAt(const std::string& ip) const {
  const auto it = endpoints_.find(ip);
  return it == endpoints_.end() ? nullptr : &it->second;
}

const PrintSink* NicRegistry::SinkAt(const std::string& ip) const {
  for (const NicState& nic : nics_) {
    if (nic.settings.ip == ip) return &nic.settings.sink;
  }
  return nullptr;
}

bool NicRegistry::Move(NicState& nic, const std::string& ip) {
  const std::string old = nic.settings.ip;
  SetNicAddress(nic, ip);
  if (Reconcile(nullptr)) return true;
  SetNicAddress(nic, old);
  Reconcile(nullptr);
  return false;
}

bool NicRegistry::Replace(const SimNic& settings) {
  NicState* nic = FindByMac(settings.mac);
  if (nic == nullptr) return false;
  const SimNic old = nic->settings;
  ApplySettings(*nic, settings);
  if (Reconcile(nullptr)) return true;
  ApplySettings(*nic, old);
  Reconcile(nullptr);
  return false;
}

// Opens what is missing before closing what is unused, so that a failure
// leaves every NIC's old sockets in place.
bool NicRegistry::Reconcile(std::string* error) {
  std::set<std::string> used;
  for (const NicState& nic : nics_) used.insert(nic.settings.ip);
  for (const std::string& ip : used) {
    if (!endpoints_.contains(ip) && !OpenEndpoint(ip, error)) return false;
    if (!MatchListener(ip, endpoints_.at(ip), error)) return false;
  }
  for (auto it = endpoints_.begin(); it != endpoints_.end();) {
    if (used.contains(it->first)) {
      ++it;
    } else {
      it = endpoints_.erase(it);
      ++generation_;
    }
  }
  return true;
}

bool NicRegistry::OpenEndpoint(const std::string& ip, std::string* error) {
  Endpoint endpoint;
  endpoint.attribute = tools::OpenUdpSocket(ip, nic::kAttributePort, error);
  if (!endpoint.attribute) return false;
  endpoint.command = tools::OpenUdpSocket(ip, nic::kCommandPort, error);
  if (!endpoint.command) return false;
  endpoints_.emplace(ip, std::move(endpoint));
  ++generation_;
  return true;
}

bool NicRegistry::MatchListener(const std::string& ip, Endpoint& endpoint, std::string* error) {
  const bool listening = SinkAt(ip)->listening;
  if (listening == static_cast<bool>(endpoint.printListener)) return true;
  ++generation_;
  if (!listening) {
    endpoint.printListener.reset();
    return true;
  }
  endpoint.printListener = tools::OpenTcpListener(ip, kPrintPort, error);
  return static_cast<bool>(endpoint.printListener);
}

}  // namespace nicsim
