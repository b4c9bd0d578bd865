#pragma once
// The separator page a job asks for by its separator name: none, the two
// built-in pages by their names (strings 526 and 527), or a picture file.
// "Bench" prints none and has the benchmark tool told about the job.

#include <string>

#include "printproc/settings.h"

namespace printproc {

enum class SeparatorKind { None, Simple, Full, Picture };

struct Separator {
  SeparatorKind kind = SeparatorKind::None;
  std::string file;    // a picture file's name
  bool bench = false;  // tell the benchmark window
};

Separator DecideSeparator(const char* name, const ProcessorSettings& settings);

}  // namespace printproc
