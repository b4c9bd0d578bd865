#pragma once
// The record the processor hands the status manager when a job starts on
// the chosen printer ("DispatchJobInfo"). Texts are zero-terminated and cut
// to their fields, never through a two-byte character.

#include <cstddef>
#include <cstdint>

namespace printproc {

struct DispatchJobInfo {
  std::uint32_t startResult;  // the new job's id, 0 when it could not start
  char printer[260];
  char document[260];
  char user[32];
};
static_assert(sizeof(DispatchJobInfo) == 556);
static_assert(offsetof(DispatchJobInfo, printer) == 4);
static_assert(offsetof(DispatchJobInfo, document) == 264);
static_assert(offsetof(DispatchJobInfo, user) == 524);

// Null texts count as empty.
DispatchJobInfo MakeDispatchJobInfo(std::uint32_t startResult, const char* printer,
                                    const char* document, const char* user);

}  // namespace printproc
