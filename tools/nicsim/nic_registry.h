#pragma once
// Where every simulated NIC lives. NICs that share a loopback address share
// its sockets: one per protocol port, each NIC answering with its own MAC.
// A NIC that is given a new address moves, and sockets follow: an address
// that no NIC uses any more is closed.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tools/nicsim/nic_state.h"
#include "tools/shared/unique_fd.h"

namespace nicsim {

struct Endpoint {
  tools::UniqueFd attribute;      // UDP 8450
  tools::UniqueFd command;        // UDP 11299
  tools::UniqueFd printListener;  // TCP 9100; closed while the print sink refuses
};

class NicRegistry {
 public:
  // Validates and binds every NIC; false with a reason, nothing left bound.
  bool Open(const std::vector<SimNic>& nics, std::string* error);
  void Close();

  // In configuration order; the pointers stay valid until Close.
  std::vector<NicState*> NicsAt(const std::string& ip);
  NicState* FindByMac(const std::string& mac);

  const std::map<std::string, Endpoint>& endpoints() const { return endpoints_; }
  const Endpoint* EndpointAt(const std::string& ip) const;

  // The first NIC of an address decides how its print port behaves.
  const PrintSink* SinkAt(const std::string& ip) const;

  // False, and the NIC stays where it was, when the address cannot be served.
  bool Move(NicState& nic, const std::string& ip);
  // Update by MAC; false when there is no such NIC or its new address cannot
  // be served (it then keeps its previous settings).
  bool Replace(const SimNic& settings);

  // Changes whenever a socket is opened or closed.
  std::uint64_t generation() const { return generation_; }

 private:
  bool Reconcile(std::string* error);
  bool OpenEndpoint(const std::string& ip, std::string* error);
  bool MatchListener(const std::string& ip, Endpoint& endpoint, std::string* error);

  std::vector<NicState> nics_;  // never resized after Open
  std::map<std::string, Endpoint> endpoints_;
  std::uint64_t generation_ = 0;
};

}  // namespace nicsim
