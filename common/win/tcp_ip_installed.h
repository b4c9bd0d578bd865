#pragma once
// Whether TCP/IP is installed: WSOCK32's protocol list names "TCP/IP"
// first. Alarm mail and its settings are offered only then.

bool TcpIpInstalled();
