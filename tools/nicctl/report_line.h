#pragma once
// One "label  value" line of a read report.

#include <string>

// Control characters in the value (a NIC's texts are not to be trusted with
// the terminal) become '?'.
std::string ReportLine(const std::string& label, const std::string& value);
