#include "rmmmodel/plugin_entry.h"

#include "common/win/entry_guard.h"
#include "rmmmodel/core/alarm_run.h"

namespace rmmmodel {

int RunPlugin(DavAgentContext& context, const char* printerName, const PluginHost& host) {
  return GuardedEntry(0, [&] { return RunAlarmChecks(context, printerName, host); });
}

}  // namespace rmmmodel
