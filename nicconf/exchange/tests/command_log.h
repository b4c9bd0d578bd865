#pragma once
// The route and arp stand-ins write what they were asked to do into the file
// NICSUITE_COMMAND_LOG names; a test reads it back. Each test process has its
// own file, and the stand-ins are found first (natively through PATH, on
// Windows beside the test program).

#include <string>
#include <vector>

namespace nic::test {

void SetEnvironment(const char* name, const char* value);

class CommandLog {
 public:
  CommandLog();   // a fresh, empty log for this process
  ~CommandLog();  // removes it and clears the stand-ins' modes
  std::vector<std::string> Lines() const;

 private:
  std::string path_;
};

}  // namespace nic::test
