#pragma once
// Finds where message data ends: at CR LF "." CR LF, the first CR LF possibly
// being the one that ended the DATA command. Only that exact sequence counts;
// a "." line after a bare LF is message text, as are dot-stuffed lines. The
// end may be split across any number of receives.

#include <cstddef>
#include <string_view>

namespace smtpsink {

class DataEndScanner {
 public:
  // Starts on a new message; `atLineStart`: the DATA command ended in CR LF.
  void Begin(bool atLineStart);

  // How many of `bytes` belong to the message, the end included; npos while
  // the end is still to come.
  std::size_t Scan(std::string_view bytes);

 private:
  // How much of CR LF "." CR LF the bytes seen so far end with.
  int matched_ = 0;
};

}  // namespace smtpsink
