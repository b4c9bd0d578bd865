#pragma once
// Appending an entry to the mail log: the install directory comes from the
// uninstall entry, "log" is created in it, and the entry goes out in one
// write to a file opened without sharing for those few moments (a writer
// that finds it open elsewhere loses its entry).

#include <string>

// False when the install directory is not known or the write failed.
bool AppendToMailLog(const std::string& entry);

// The log's full path, or empty when the install directory is not known.
std::string MailLogPath();
