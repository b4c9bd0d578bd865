#include "tools/smtpsink/sink_dialogue.h"

#include <algorithm>
#include <cctype>

namespace smtpsink {
namespace {

constexpr char kRejected[] = "554 smtpsink.test rejects everything\r\n";

// The command word, upper-cased: up to the first space of the line.
std::string VerbOf(std::string_view line) {
  std::string verb(line.substr(0, line.find(' ')));
  std::transform(verb.begin(), verb.end(), verb.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return verb;
}

}  // namespace

std::string SinkDialogue::Greeting() const {
  switch (mode_) {
    case SinkMode::kAccept: return "220 smtpsink.test ready\r\n";
    case SinkMode::kReject: return kRejected;
    default: return "";
  }
}

std::string SinkDialogue::Take(std::string_view bytes) {
  std::string replies;
  if (mode_ == SinkMode::kSilent) return replies;
  while (!bytes.empty() && !ended_) {
    bytes = inData_ ? TakeData(bytes, replies) : TakeLine(bytes, replies);
  }
  return replies;
}

std::string_view SinkDialogue::TakeData(std::string_view bytes, std::string& replies) {
  const std::size_t length = dataEnd_.Scan(bytes);
  if (length == std::string_view::npos) return {};
  inData_ = false;
  replies += EndData();
  return bytes.substr(length);
}

std::string_view SinkDialogue::TakeLine(std::string_view bytes, std::string& replies) {
  const std::size_t newline = bytes.find('\n');
  if (newline == std::string_view::npos) {
    partialLine_ += bytes;
    return {};
  }
  partialLine_ += bytes.substr(0, newline + 1);
  std::string_view line = partialLine_;
  line.remove_suffix(1);
  lineEndedInCrlf_ = !line.empty() && line.back() == '\r';
  if (lineEndedInCrlf_) line.remove_suffix(1);
  replies += Answer(line);
  partialLine_.clear();
  return bytes.substr(newline + 1);
}

std::string SinkDialogue::Answer(std::string_view line) {
  const std::string verb = VerbOf(line);
  if (verb == "QUIT") ended_ = true;
  if (mode_ == SinkMode::kAccept) return Accept(verb);
  if (verb == "DATA") StartData(true);
  return kRejected;
}

std::string SinkDialogue::Accept(std::string_view verb) {
  if (verb == "HELO" || verb == "EHLO" || verb == "RSET") {
    hasSender_ = false;
    recipients_ = 0;
    return verb == "RSET" ? "250 reset\r\n" : "250 smtpsink.test\r\n";
  }
  if (verb == "MAIL") {
    if (hasSender_) return "503 sender already given\r\n";
    hasSender_ = true;
    return "250 sender ok\r\n";
  }
  if (verb == "RCPT") {
    if (!hasSender_) return "503 MAIL first\r\n";
    ++recipients_;
    return "250 recipient ok\r\n";
  }
  if (verb == "DATA") return StartData(recipients_ > 0);
  if (verb == "NOOP") return "250 ok\r\n";
  if (verb == "VRFY") return "252 cannot verify\r\n";
  if (verb == "QUIT") return "221 smtpsink.test closing\r\n";
  return "500 command not recognised\r\n";
}

std::string SinkDialogue::StartData(bool acceptable) {
  if (!acceptable) return "503 RCPT first\r\n";
  inData_ = true;
  dataEnd_.Begin(lineEndedInCrlf_);
  return "354 end data with <CR><LF>.<CR><LF>\r\n";
}

std::string SinkDialogue::EndData() {
  if (mode_ == SinkMode::kReject) return kRejected;
  hasSender_ = false;
  recipients_ = 0;
  return "250 message accepted\r\n";
}

}  // namespace smtpsink
