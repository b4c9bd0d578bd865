#pragma once
// The entry "LANボードの設定(&B)..." on the management window's printers
// (CNICHandler): for one printer whose port is an IPv4 address it opens
// the TCP/IP setting sheets of the NIC at that address.

#include <shlobj.h>

HRESULT CreateNicHandler(REFIID riid, void** out);
