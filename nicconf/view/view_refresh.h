#pragma once
// The status refresh of the list: every cycle the TCP/IP printers are
// polled through the status poll and the NetWare printers through the IPX
// poll, both looked at every 100 ms from timer 1001 on the view window; when
// both have ended the items are updated in list order. Nothing waits on the
// network on the view's thread.

#include <windows.h>

namespace nic::view {

// At once (first poll after 1 ms), or for the rest of the cycle, never with
// a cycle of 0.
void StartRefresh(bool atOnce);
// Kills the timer of the state; a running poll is cancelled and released.
void StopRefresh();
// Timers 1000 and 1001.
void RefreshTimer(UINT_PTR timer);

}  // namespace nic::view
