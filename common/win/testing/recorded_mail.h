#pragma once
// What the recording mail server of a test's fixture received: its
// sessions, oldest first, each the dialogue as the server saw it. The
// environment variable names the server's state folder.

#include <string>
#include <vector>

std::vector<std::string> RecordedSessions(const char* stateVariable = "SMTPSINK_STATE");
