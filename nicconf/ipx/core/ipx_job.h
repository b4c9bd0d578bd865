#pragma once
// What an IPX job carries and decides: its targets, its prepared requests,
// the datagrams it received, when it may stop waiting, and what its
// datagrams mean once it has ended. The waiting itself is the shell's.
//
// The NIC speaks the attribute protocol over IPX without the two-byte
// reply-port prefix: it answers to the datagram's source address.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "nicconf/exchange/nic_transaction.h"
#include "nicconf/exchange/status_poll.h"
#include "nicconf/ipx/core/ipx_address.h"

namespace nic::ipx {

inline constexpr std::size_t kMaxTargets = 200;
inline constexpr std::size_t kMaxPollTargets = 100;
inline constexpr std::size_t kSearchTargets = 5;
inline constexpr std::size_t kReadProbePairs = 3;
inline constexpr std::size_t kMaxWriteRequests = 2;
inline constexpr std::size_t kMaxDatagram = 512;
inline constexpr std::size_t kControlBlocks = 200;
inline constexpr std::size_t kMaxResults = 200;
inline constexpr std::size_t kProbeSize = 9;

// "HBM" 0x01 "probe" and "HBM" 0x06 "probe": no zero byte, no prefix.
inline constexpr std::uint8_t kProbe[kProbeSize] = {'H', 'B', 'M', 0x01, 'p', 'r', 'o', 'b', 'e'};
inline constexpr std::uint8_t kExtProbe[kProbeSize] = {'H', 'B', 'M', 0x06, 'p', 'r', 'o', 'b', 'e'};

enum class JobKind : std::uint32_t { MultiTarget, Read, Write };

struct Request {
  std::uint8_t data[kMaxDatagram];
  std::uint32_t length;
};

struct ReceivedDatagram {
  std::uint8_t network[kNetworkSize];
  std::uint8_t node[kNodeSize];
  std::uint8_t data[kMaxDatagram];
  std::uint32_t length;
};

// Zero-filled when allocated. For a read, targetCount is the number of probe
// pairs and targets[0] the NIC.
struct JobData {
  JobKind kind;
  std::uint32_t targetCount;
  AddressRecord targets[kMaxTargets];
  std::uint32_t timeoutMs;
  std::uint32_t requestCount;
  Request requests[kMaxTargets];
  std::uint32_t receivedCount;
  ReceivedDatagram received[kMaxTargets];
};

// The datagrams a job sends, in order: one probe per target of a search or
// poll, probe and extended probe alternately for a read, the requests of a
// write.
std::size_t SendCount(const JobData& job);
std::span<const std::uint8_t> Datagram(const JobData& job, std::size_t index);
const AddressRecord& Destination(const JobData& job, std::size_t index);

// Stores one received datagram by the job's rules (a read keeps only its
// NIC's; nothing beyond 200 datagrams or 512 bytes); false when not stored.
bool TakeDatagram(JobData& job, const std::uint8_t (&network)[kNetworkSize],
                  const std::uint8_t (&node)[kNodeSize], std::span<const std::uint8_t> data);

// Whether a single-NIC job has what it waits for: a read its probe reply,
// status datagram and extended probe reply; a write the set reply, and the
// extended set reply when it sent two requests. Never for a search or poll.
bool HasAllAnswers(const JobData& job);

enum class DatagramKind { Other, ProbeReply, ExtProbeReply, SetReply, ExtSetReply, Status };
DatagramKind ClassifyDatagram(std::span<const std::uint8_t> data);

struct Answer {
  std::uint8_t data[kMaxDatagram];
  std::uint32_t length;
  bool present;
};

// One responder, by source network and node, with its last answers.
struct ResponderSlot {
  std::uint8_t network[kNetworkSize];
  std::uint8_t node[kNodeSize];
  Answer probeReply;
  Answer status;
  Answer extProbeReply;
  bool setReply;
  bool extSetReply;
};

// In order of first arrival. Without `allKinds` only probe replies and status
// datagrams make or fill a slot.
std::vector<ResponderSlot> GroupResponders(std::span<const ReceivedDatagram> received,
                                           bool allKinds);

struct Result {
  char network[32];
  char mac[32];
  char ip[32];
  char nicStatus[32];  // attribute 251: five bytes and a zero
  char name[64];
  PrinterPictureInfo info;
};

struct ResultList {
  std::uint32_t count;
  Result records[kMaxResults];
};

// One record per responder of a search or poll (list reset first).
void CollectMultiTarget(std::span<const ReceivedDatagram> received, ResultList& list);

// The read or write of one NIC: only the first responder counts. A read
// succeeds when its probe reply decoded and the NIC's description, if it
// gives one, contains "NRV"; a write when a set or extended set reply came.
bool CollectSingle(std::span<const ReceivedDatagram> received, TransactionBlock& block);

// The record whose network and MAC texts are these; null when none.
const Result* FindResult(const ResultList& list, const char* network, const char* mac);

}  // namespace nic::ipx
