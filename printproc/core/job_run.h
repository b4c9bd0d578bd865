#pragma once
// Copying one spooled job to the printer its header leads to: the job is
// read in pieces and held until its header is complete (or has broken its
// form), which decides the printer; from then on the pieces go straight
// through. A job that never shows a header goes out whole at its end,
// unless it was cancelled. Reading, pausing and the printer's side come
// through calls.

#include <cstddef>
#include <cstdint>
#include <span>

#include "printproc/core/byte_fields.h"
#include "printproc/core/job_header.h"

namespace printproc {

inline constexpr std::size_t kJobPieceSize = 4096;

struct JobRunCalls {
  void* context;
  // Blocks while the job is paused; false once it is cancelled.
  bool (*waitWhilePaused)(void* context);
  // Reads the next piece into `into`; false when the read failed, `read`
  // 0 at the end of the job.
  bool (*read)(void* context, std::span<std::uint8_t> into, std::size_t& read);
  // Chooses and opens the printer for a job with this header; false when
  // the job cannot go on.
  bool (*start)(void* context, const JobHeader& header);
  // All of `data` to the printer chosen; false when it stopped taking it.
  bool (*write)(void* context, Bytes data);
  bool (*cancelled)(void* context);
};

// Until the data ends, the job is cancelled, or a step fails; false when a
// step failed.
bool RunJob(const JobRunCalls& calls);

}  // namespace printproc
