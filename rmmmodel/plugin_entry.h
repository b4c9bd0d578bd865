#pragma once
// DavDllMain's work behind the entry guard: an exception anywhere below
// ends the call with 0 instead of crossing into the agent.

#include "common/dav_records.h"
#include "rmmmodel/core/plugin_host.h"

namespace rmmmodel {

int RunPlugin(DavAgentContext& context, const char* printerName, const PluginHost& host);

}  // namespace rmmmodel
