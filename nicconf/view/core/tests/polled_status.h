#pragma once
// Polled statuses for the view core's tests: a ready printer that answered
// with its status text.

#include <cstring>

#include "nicconf/exchange/status_poll.h"

namespace nic::test {

inline PrinterPictureInfo ReadyPrinter(const char* model = "") {
  PrinterPictureInfo info{};
  std::strncpy(info.model, model, sizeof info.model - 1);
  info.family = 0;
  info.attrReceived = 1;
  info.statusReceived = 1;
  info.extStatusValid = 1;
  info.paperSource = 255;
  return info;
}

}  // namespace nic::test
