// ParseStatusText over a realistic status text holding all three blocks,
// beside a memchr scan of the same bytes as the floor any parser must pay.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "nicproto/status_text.h"
#include "nicproto/tests/sample_status.h"

namespace {

const std::string& Text() {
  static const std::string text = nic::test::RealisticStatusText();
  return text;
}

void BM_ParseStatusText(benchmark::State& state) {
  const std::string& text = Text();
  nic::StatusRecord record;
  for (auto _ : state) {
    nic::ParseStatusText(text.data(), text.size(), record);
    benchmark::DoNotOptimize(record);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  state.SetLabel(std::to_string(text.size()) + " bytes");
}
BENCHMARK(BM_ParseStatusText);

// Finds every ';' as the parser must at least do.
void BM_MemchrFloor(benchmark::State& state) {
  const std::string& text = Text();
  for (auto _ : state) {
    std::size_t items = 0;
    const char* p = text.data();
    const char* end = p + text.size();
    while (const void* hit = std::memchr(p, ';', static_cast<std::size_t>(end - p))) {
      p = static_cast<const char*>(hit) + 1;
      ++items;
    }
    benchmark::DoNotOptimize(items);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_MemchrFloor);

}  // namespace
