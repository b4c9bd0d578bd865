#pragma once
// Jobs as the maker's printer driver writes them on the 95 line when it
// asks for collated copies, and what the printer must then receive, worked
// out from the job's bytes and the printer language's fixed blocks rather
// than by the code under test.

#include <cstdint>
#include <vector>

namespace portmon::test {

using Bytes = std::vector<std::uint8_t>;

struct DriverJob {
  std::int16_t copies = 3;
  bool collate = true;
  std::uint16_t a = 0x0102, b = 3, c = 0x0A0B;
  std::vector<Bytes> records;
};

void Append(Bytes& out, const Bytes& more);

// A 32-byte header, the key-0 and key-5 markers, then the page records
// padded to four.
Bytes BuildJob(const DriverJob& job);

// Three records making a 300-byte job.
DriverJob ThreeHundredByteJob();

// The prologue with its fields filled (tick field zero), every record once
// per copy with the counter running on, and the closing block.
Bytes Expected(const DriverJob& job, int copies);

// The printer's data with the tick field blanked, after checking it lies
// within the job's time.
Bytes WithoutTick(Bytes received, std::uint32_t startTick);

}  // namespace portmon::test
