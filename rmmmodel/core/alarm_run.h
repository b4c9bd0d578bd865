#pragma once
// One call of the plug-in for one printer: whether it is watched at all,
// then the toner-out and the regular-maintenance alarm, each mailed once per
// occurrence with the sent flags kept in the printer's settings.

#include "common/dav_records.h"
#include "rmmmodel/core/plugin_host.h"

namespace rmmmodel {

inline constexpr std::uint32_t kPauseAfterMailMs = 60000;
inline constexpr char kNoMemoryMessage[] = "メール通知に必要なメモリが確保できませんでした\r\n";

// The result of DavDllMain: 0 when the call stopped early, else 1. The
// context's status block must be there.
int RunAlarmChecks(DavAgentContext& context, const char* printerName, const PluginHost& host);

}  // namespace rmmmodel
