#include "printproc/core/job_run.h"

#include <vector>

namespace printproc {
namespace {

class JobRun {
 public:
  explicit JobRun(const JobRunCalls& calls) : calls_(calls) {}

  bool Run() { return Copy() && Conclude(); }

 private:
  bool Copy() {
    std::vector<std::uint8_t> piece(kJobPieceSize);
    while (calls_.waitWhilePaused(calls_.context)) {
      std::size_t read = 0;
      if (!calls_.read(calls_.context, piece, read)) return false;
      if (read == 0) return true;
      if (!Take(Bytes(piece.data(), read < kJobPieceSize ? read : kJobPieceSize))) return false;
    }
    return true;
  }

  bool Take(Bytes piece) {
    if (started_) return calls_.write(calls_.context, piece);
    held_.insert(held_.end(), piece.begin(), piece.end());
    const HeaderSearch search = SearchJobHeader(held_, resumeAt_);
    resumeAt_ = search.resumeAt;
    if (search.state == HeaderState::Searching) return true;
    return StartWithHeld(search.state == HeaderState::Found ? search.header : JobHeader{});
  }

  bool StartWithHeld(const JobHeader& header) {
    started_ = true;
    if (!calls_.start(calls_.context, header)) return false;
    const bool written = calls_.write(calls_.context, held_);
    held_ = {};
    return written;
  }

  bool Conclude() {
    if (started_ || calls_.cancelled(calls_.context)) return true;
    return StartWithHeld(JobHeader{});
  }

  const JobRunCalls& calls_;
  bool started_ = false;
  std::vector<std::uint8_t> held_;
  std::size_t resumeAt_ = 0;
};

}  // namespace

bool RunJob(const JobRunCalls& calls) { return JobRun(calls).Run(); }

}  // namespace printproc
