#pragma once
// The mail sender, clock, pause and mail log as the plug-in uses them on
// Windows.

#include "rmmmodel/core/plugin_host.h"

namespace rmmmodel {

// The services as Windows gives them; they keep no state.
PluginServiceCalls WindowsServices();

}  // namespace rmmmodel
