#pragma once
// What `nicctl read` learnt about one NIC, and how it is shown (Shift_JIS
// text, converted for the terminal when written).

#include <optional>
#include <string>

#include "nicconf/exchange/nic_transaction.h"
#include "nicproto/config_items.h"

struct ReadOutcome {
  std::string ip;
  nic::ExchangeStatus status;
  nic::TransactionBlock block;
  bool configAsked = false;
  std::optional<nic::ConfigItemList> config;  // when command 2 was answered
  std::string otherMac;  // another NIC that answered at the address
  std::string otherName;
};

std::string ReadReport(const ReadOutcome& outcome);
