#pragma once
// A sink on its own record folder for one test, and what it recorded.

#include <string>
#include <vector>

#include "tools/smtpsink/smtp_sink.h"

namespace smtpsink::test {

// A fresh folder for one test's files, removed again at the end.
class TestFolder {
 public:
  TestFolder();
  ~TestFolder();
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

std::string ReadFile(const std::string& path);

// The session file of session `number` in `folder`.
std::string RecordedSession(const std::string& folder, int number);

// sessions.log, line by line.
std::vector<std::string> SessionLog(const std::string& folder);

// The mail sender's conversation, each element one send; a reply is read
// after every one.
std::vector<std::string> SenderSends(const std::vector<std::string>& recipients,
                                     const std::string& body);

std::string Joined(const std::vector<std::string>& parts);

}  // namespace smtpsink::test
