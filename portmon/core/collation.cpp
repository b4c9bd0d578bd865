#include "portmon/core/collation.h"

#include <vector>

#include "platform/clock.h"
#include "platform/tick.h"
#include "portmon/core/driver_job_header.h"
#include "portmon/core/print_link.h"

namespace portmon {
namespace {

constexpr int kAttempts = 10;

JobResult Store(CollationState& collation, std::span<const std::uint8_t> data,
                std::uint32_t callBytes, std::uint32_t& written) {
  const bool stored = collation.store.Append(data);
  written = stored ? callBytes : 0;
  return {stored};
}

// Starts collating when the examined bytes begin with the header and carry
// both markers; the page data after the header goes to a fresh store.
bool BeginsCollatedJob(CollationState& collation, std::span<const std::uint8_t> examined,
                       std::size_t& pageData) {
  const auto header = ReadDriverJobHeader(examined);
  if (!header || !HasCollationMarkers(examined, header->length)) return false;
  collation.copies = CollatedCopies(*header);
  collation.prologue = BuildJobPrologue(*header, platform::TickCount());
  pageData = std::min<std::size_t>(header->length, examined.size());
  return true;
}

JobResult Examine(const JobContext& context, NetPort& port, std::vector<std::uint8_t> examined,
                  std::size_t callBytes, std::uint32_t& written) {
  CollationState& collation = port.job.collation;
  collation.checkPending = false;
  std::size_t pageData = 0;
  if (BeginsCollatedJob(collation, examined, pageData)) {
    collation.store = CollationStore(context.collation,
                                     context.collation.createStore(context.collation.context));
    if (!collation.store) {
      collation.storeFailed = true;
      written = 0;
      return {false};
    }
    collation.collating = true;
    return Store(collation, std::span(examined).subspan(pageData),
                 static_cast<std::uint32_t>(callBytes), written);
  }
  // Not collated: what was held goes out first, then this call's bytes.
  const std::size_t heldBytes = examined.size() - callBytes;
  port.job.pending.insert(port.job.pending.end(), examined.begin(),
                          examined.begin() + static_cast<long>(heldBytes));
  return WriteThrough(context, port, std::span(examined).subspan(heldBytes), written);
}

// One piece of the collated job: rounds of attempts, each attempt with the
// write limit; a piece that cannot go at all fails the job's sending.
bool SendPiece(const JobContext& context, NetPort& port, std::span<const std::uint8_t> piece) {
  const JobTimings& timings = context.timings;
  const platform::Clock& clock = context.clock;
  for (int round = 0; round < kAttempts; ++round) {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
      std::size_t sent = 0;
      int error = 0;
      const SendEnd end = SendWithin(port.job.socket, piece, timings.writeLimitMs, sent, error);
      piece = piece.subspan(sent);
      if (end == SendEnd::Complete) return true;
      if (end != SendEnd::TimedOut) return false;
      clock.sleep(clock.context, timings.attemptPauseMs);
    }
    clock.sleep(clock.context, timings.roundPauseMs);
  }
  return false;
}

// Sends the collated job when its pages can be read back and the printer
// reached; the printer gets it whole or, after a failed piece, cut short.
void SendCollated(const JobContext& context, NetPort& port) {
  CollationState& collation = port.job.collation;
  const auto pages = collation.store.Contents();
  if (!pages || !EnsureConnected(context, port)) return;
  SendCollatedJob(collation.prologue, *pages, collation.copies, collation.counter,
                  [&](std::span<const std::uint8_t> piece) { return SendPiece(context, port, piece); });
}

}  // namespace

void StartCollation(NetPort& port) {
  port.job.collation = CollationState{};
  port.job.collation.checkPending = true;
}

JobResult CollatingWrite(const JobContext& context, NetPort& port,
                         std::span<const std::uint8_t> data, std::uint32_t& written) {
  CollationState& collation = port.job.collation;
  const auto callBytes = static_cast<std::uint32_t>(data.size());
  if (collation.collating) return Store(collation, data, callBytes, written);
  if (!collation.checkPending) return WriteThrough(context, port, data, written);
  if (!collation.held.empty()) {
    if (collation.held.size() + data.size() < kJobExamineLimit) {
      collation.held.insert(collation.held.end(), data.begin(), data.end());
      written = callBytes;
      return {true};
    }
    std::vector<std::uint8_t> examined = std::move(collation.held);
    collation.held.clear();
    examined.insert(examined.end(), data.begin(), data.end());
    return Examine(context, port, std::move(examined), data.size(), written);
  }
  if (data.size() < kJobExamineLimit &&
      (data.size() < 8 || StartsWithHeaderSignature(data))) {
    collation.held.assign(data.begin(), data.end());
    written = callBytes;
    return {true};
  }
  return Examine(context, port, std::vector<std::uint8_t>(data.begin(), data.end()), data.size(),
                 written);
}

void FinishCollation(const JobContext& context, NetPort& port) {
  CollationState& collation = port.job.collation;
  if (collation.storeFailed) context.collation.reportStoreFailure(context.collation.context);
  // A job shorter than the examined part is examined now, whole.
  if (!collation.held.empty()) {
    std::uint32_t written = 0;
    Examine(context, port, std::move(collation.held), 0, written);
    collation.held.clear();
  }
  if (!collation.collating) return;
  if (!collation.doNotSend) SendCollated(context, port);
  collation.doNotSend = false;
  collation.store.reset();
  collation.collating = false;
}

}  // namespace portmon
