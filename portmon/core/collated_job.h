#pragma once
// What a collated job sends at its end, built from the page data the
// monitor kept in a temporary file: a job prologue, the page records once
// per copy (each re-framed with a running counter and a trailer), and a
// closing block.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "portmon/core/driver_job_header.h"

namespace portmon {

inline constexpr std::size_t kPrologueSize = 194;
using JobPrologue = std::array<std::uint8_t, kPrologueSize>;

// A fresh copy of the prologue with this job's four fields: bin mask from
// B, C, A, and the tick count at the job's start. Each job fills its own.
JobPrologue BuildJobPrologue(const DriverJobHeader& header, std::uint32_t startTick);

// The 32-byte closing block.
std::span<const std::uint8_t> ClosingBlock();

// Copies: the header's count when collate is set and it is above 1, else 1.
int CollatedCopies(const DriverJobHeader& header);

// The page data records of the temporary file, in order: 4-byte aligned
// units; a unit whose first little-endian word is 3 is a record with a
// little-endian length and that many bytes. Bounded by the file's bytes.
std::vector<std::span<const std::uint8_t>> PageRecords(std::span<const std::uint8_t> file);

// The three pieces of one re-framed record: header (counter and length,
// big-endian), the data, the trailer.
std::array<std::uint8_t, 4> RecordFrame(std::uint16_t counter, std::size_t length);
std::span<const std::uint8_t> RecordTrailer();

// Sends the whole collated job through `send` (false ends it at once,
// without the closing block). The record counter runs on across copies.
bool SendCollatedJob(const JobPrologue& prologue, std::span<const std::uint8_t> file, int copies,
                     std::uint16_t& counter,
                     const std::function<bool(std::span<const std::uint8_t>)>& send);

}  // namespace portmon
