#include "printproc/core/job_header.h"

#include <optional>
#include <string_view>

namespace printproc {
namespace {

constexpr std::uint8_t kHeaderMark = 0x1C;
constexpr std::string_view kStart = "zPDStart";
constexpr std::string_view kEnd = "PDEnd";
constexpr std::size_t kMaxDigits = 9;

// The answer about one position of the held data.
enum class Verdict { NotAHeader, NeedMore, Complete, Broken };

bool IsDigit(std::uint8_t byte) { return byte >= '0' && byte <= '9'; }
bool IsLetter(std::uint8_t byte) { return (byte | 0x20) >= 'a' && (byte | 0x20) <= 'z'; }
bool IsSeparator(std::uint8_t byte) {
  return byte == ' ' || byte == '\t' || byte == '\r' || byte == '\n' || byte == ';' || byte == ',';
}

// A run of decimal digits at `at`, read only up to `limit`.
struct Number {
  std::int32_t value = 0;
  std::size_t digits = 0;
  bool cut = false;  // the run reached `limit`, so more digits may follow
};

Number ReadNumber(Bytes held, std::size_t at, std::size_t limit) {
  Number number;
  while (at + number.digits < limit && IsDigit(held[at + number.digits]) &&
         number.digits <= kMaxDigits) {
    if (number.digits < kMaxDigits) {
      number.value = number.value * 10 + (held[at + number.digits] - '0');
    }
    ++number.digits;
  }
  number.cut = at + number.digits == limit;
  return number;
}

void Assign(JobHeader& header, std::string_view keyword, std::int32_t value) {
  if (keyword == "PDD") header.dispatchMode = value;
  if (keyword == "Duplex") header.duplex = value;
  if (keyword == "PSize") header.paperSize = value;
  if (keyword == "PMemory") header.memory = value;
  if (keyword == "COLLATE") header.collate = value;
  if (keyword == "PSPOOL") header.spool = value;
}

// The items from `at` up to "PDEnd". `end` is where the declared length
// ends; `limit` is that or the end of the held data, whichever comes first.
Verdict ReadItems(Bytes held, std::size_t at, std::size_t end, JobHeader& header) {
  const std::size_t limit = end < held.size() ? end : held.size();
  const Verdict shortOfData = limit == end ? Verdict::Broken : Verdict::NeedMore;
  for (;;) {
    while (at < limit && IsSeparator(held[at])) ++at;
    const std::size_t keywordStart = at;
    while (at < limit && IsLetter(held[at])) ++at;
    const std::string_view keyword(reinterpret_cast<const char*>(held.data()) + keywordStart,
                                   at - keywordStart);
    if (keyword.starts_with(kEnd)) return Verdict::Complete;
    if (at == limit) return shortOfData;
    if (keyword.empty() || held[at] != '=') return Verdict::Broken;
    const Number number = ReadNumber(held, at + 1, limit);
    if (number.digits > kMaxDigits) return Verdict::Broken;
    if (number.cut) return shortOfData;
    if (number.digits == 0) return Verdict::Broken;
    Assign(header, keyword, number.value);
    at += 1 + number.digits;
  }
}

// Whether a header starts at `at` (which holds the mark), and if so whether
// it is complete.
Verdict ReadHeaderAt(Bytes held, std::size_t at, JobHeader& header) {
  const Number length = ReadNumber(held, at + 1, held.size());
  if (length.cut) return Verdict::NeedMore;
  if (length.digits == 0 || length.digits > kMaxDigits) return Verdict::NotAHeader;
  const std::size_t startAt = at + 1 + length.digits;
  for (std::size_t i = 0; i < kStart.size(); ++i) {
    if (startAt + i == held.size()) return Verdict::NeedMore;
    if (held[startAt + i] != static_cast<std::uint8_t>(kStart[i])) return Verdict::NotAHeader;
  }
  // The length counts from "PDStart" on, so it cannot be shorter than that.
  const std::size_t bodyLength = static_cast<std::size_t>(length.value);
  if (bodyLength > kMaxHeaderLength || bodyLength < kStart.size() - 1) return Verdict::Broken;
  const std::size_t bodyAt = startAt + 1;
  return ReadItems(held, bodyAt + kStart.size() - 1, bodyAt + bodyLength, header);
}

}  // namespace

HeaderSearch SearchJobHeader(Bytes held, std::size_t from) {
  for (std::size_t at = from; at < held.size(); ++at) {
    if (held[at] != kHeaderMark) continue;
    JobHeader header;
    switch (ReadHeaderAt(held, at, header)) {
      case Verdict::NotAHeader:
        continue;
      case Verdict::NeedMore:
        return {HeaderState::Searching, at, {}};
      case Verdict::Complete:
        return {HeaderState::Found, at, header};
      case Verdict::Broken:
        return {HeaderState::Broken, at, {}};
    }
  }
  return {HeaderState::Searching, held.size(), {}};
}

}  // namespace printproc
