#pragma once
// The pool of a dispatch queue, read from the queue's driver data and each
// member's own printer key when the processor is opened.

#include <cstdint>
#include <string>
#include <vector>

#include "printproc/status_manager.h"

namespace printproc {

struct PoolMember {
  std::string name;
  std::uint32_t priority = 0;
  std::string driver;      // its "Printer Driver"
  ManagerHandle manager;   // null when the status manager does not know it
  std::string port;        // its "Port" item as read at open, up to the zero
  std::uint32_t extStatus = 0;  // its "PrinterExtStatus" at open; scores read it afresh
};

// The members listed for `queue`, in order; a name whose printer has no
// driver value is left out. Each member's port and state are asked of the
// status manager as it joins; the queue's "PDD_DefaultPrinter" is read too,
// though nothing depends on it.
std::vector<PoolMember> ReadPool(const std::string& queue, const StatusManager& link);

}  // namespace printproc
