#pragma once
// What a write (set, set-ip, power-off) got confirmed by the NIC, and how it
// is shown.

#include <string>
#include <vector>

#include "nicconf/exchange/end_code.h"

struct WritePart {
  std::string what;
  bool confirmed = false;
};

struct WriteOutcome {
  std::string target;  // "<ip> <mac>"
  std::vector<WritePart> parts;
  nic::ExchangeStatus status;
  std::string otherMac;  // another NIC that answered at the address
  std::string otherName;
};

std::string WriteReport(const WriteOutcome& outcome);

// 0 when the NIC confirmed every part.
int WriteExitCode(const WriteOutcome& outcome);
