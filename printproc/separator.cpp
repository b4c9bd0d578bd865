#include "printproc/separator.h"

namespace printproc {
namespace {

constexpr char kBenchSeparator[] = "Bench";

}  // namespace

Separator DecideSeparator(const char* name, const ProcessorSettings& settings) {
  const std::string given = name != nullptr ? name : "";
  if (given.empty()) return {};
  if (given == settings.fullSeparator) return {SeparatorKind::Full, {}, false};
  if (given == settings.simpleSeparator) return {SeparatorKind::Simple, {}, false};
  if (given == kBenchSeparator) return {SeparatorKind::None, {}, true};
  return {SeparatorKind::Picture, given, false};
}

}  // namespace printproc
