#include "tools/smtpsink/data_end_scanner.h"

namespace smtpsink {
namespace {

constexpr std::string_view kEnd = "\r\n.\r\n";
constexpr int kAfterLineEnd = 2;

// The next match length after `c`. After a mismatch the only part of the
// end that can still be under way is a CR just received.
int Advance(int matched, char c) {
  if (c == kEnd[static_cast<std::size_t>(matched)]) return matched + 1;
  return c == '\r' ? 1 : 0;
}

}  // namespace

void DataEndScanner::Begin(bool atLineStart) { matched_ = atLineStart ? kAfterLineEnd : 0; }

std::size_t DataEndScanner::Scan(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    matched_ = Advance(matched_, bytes[i]);
    if (matched_ == static_cast<int>(kEnd.size())) {
      matched_ = 0;
      return i + 1;
    }
  }
  return std::string_view::npos;
}

}  // namespace smtpsink
