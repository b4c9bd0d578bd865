#include "tools/smtpsink/tests/recorded_session.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "tools/smtpsink/session_summary.h"

namespace smtpsink::test {

TestFolder::TestFolder() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  path_ = ::testing::TempDir() + "smtpsink-" + std::to_string(::getpid()) + "-" +
          info->test_suite_name() + "-" + info->name();
  std::filesystem::remove_all(path_);
}

TestFolder::~TestFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string RecordedSession(const std::string& folder, int number) {
  return ReadFile(folder + "/" + SessionFileName(number));
}

std::vector<std::string> SessionLog(const std::string& folder) {
  std::ifstream in(folder + "/sessions.log");
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> SenderSends(const std::vector<std::string>& recipients,
                                     const std::string& body) {
  std::vector<std::string> sends = {"HELO office-pc\r\n", "MAIL FROM:<admin@example.test>\r\n"};
  for (const std::string& to : recipients) sends.push_back("RCPT TO:<" + to + ">\r\n");
  sends.push_back(
      "DATA\r\nTo: " + recipients.front() +
      "\r\nFrom: admin <admin@example.test>\r\nSubject: toner\r\n"
      "Content-Type: text/plain; charset=ISO-2022-JP\r\nContent-Transfer-Encoding: 7bit\r\n"
      "Mime-Version: 1.0\r\n");
  sends.push_back("\r\n" + body + "\r\n.\r\n");
  sends.push_back("QUIT\r\n");
  return sends;
}

std::string Joined(const std::vector<std::string>& parts) {
  std::string all;
  for (const std::string& part : parts) all += part;
  return all;
}

}  // namespace smtpsink::test
