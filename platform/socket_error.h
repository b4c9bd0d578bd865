#pragma once
// Socket errors are reported as Windows Sockets numbers on every platform, so
// the exchanges, their end codes and the messages built from them read the
// same natively and on Windows.

namespace platform {

inline constexpr int kWsaInterrupted = 10004;
inline constexpr int kWsaAccessDenied = 10013;
inline constexpr int kWsaInvalidArgument = 10022;
inline constexpr int kWsaWouldBlock = 10035;
inline constexpr int kWsaInProgress = 10036;
inline constexpr int kWsaMessageSize = 10040;
inline constexpr int kWsaProtocolNotSupported = 10043;
inline constexpr int kWsaAddressFamilyNotSupported = 10047;
inline constexpr int kWsaAddressInUse = 10048;
inline constexpr int kWsaAddressNotAvailable = 10049;
inline constexpr int kWsaNetworkDown = 10050;
inline constexpr int kWsaNetworkUnreachable = 10051;
inline constexpr int kWsaConnectionAborted = 10053;
inline constexpr int kWsaConnectionReset = 10054;
inline constexpr int kWsaNoBufferSpace = 10055;
inline constexpr int kWsaNetworkReset = 10052;
inline constexpr int kWsaNotConnected = 10057;
inline constexpr int kWsaShutdown = 10058;
inline constexpr int kWsaTimedOut = 10060;
inline constexpr int kWsaConnectionRefused = 10061;
inline constexpr int kWsaHostUnreachable = 10065;

// The error of the calling thread's last failed socket call.
int LastSocketError();

}  // namespace platform
