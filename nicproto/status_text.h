#pragma once
// The printer's status as the NIC reports it: one line of "KEY:value;" items
// in the manner of an IEEE 1284 device ID, with three hexadecimal blocks that
// carry the alarm bits and the paper-source details.

#include <cstddef>

#include "nicproto/status_blocks.h"

namespace nic {

// Each text field is one byte longer than the characters kept of its value.
struct StatusRecord {
  char mfg[21];
  char mdl[51];  // the printer model
  char cmd[101];
  char cls[21];
  char aid[51];
  char cid[51];
  char mode[51];
  char level[21];
  char emlvr[51];
  char version[21];
  char cntcd[21];
  char status[21];
  char dcmd[101];
  bool extStatusValid;
  bool advInfoValid;
  bool advInfo2Valid;
  ExtStatusBlock extStatus;
  AdvancedInfoBlock advInfo;
  AdvancedInfo2Block advInfo2;
};

// Never fails: what the text lacks stays empty and invalid. Bounded by
// `length`; zero bytes inside the text are taken as ordinary characters.
void ParseStatusText(const char* text, std::size_t length, StatusRecord& record);

}  // namespace nic
