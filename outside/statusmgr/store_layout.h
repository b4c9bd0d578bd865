#pragma once
// Where the status manager stand-in keeps each printer's state, below
// HKEY_LOCAL_MACHINE: one key per printer (its ANSI name), holding one
// REG_BINARY value per item, the REG_DWORD counters of opens and closes, and
// one REG_DWORD counter per item read ("Reads " and the item's name).
// Tests and the demo write the items from outside; the stand-in reads them on
// every call, so a change shows at the next poll.

namespace statusmgr {

inline constexpr char kStoreKey[] = "SOFTWARE\\NicSuite\\StatusManager";
inline constexpr char kOpens[] = "Opens";
inline constexpr char kCloses[] = "Closes";
inline constexpr char kReadsPrefix[] = "Reads ";

}  // namespace statusmgr
