// rmmmodel: the model alarm plug-in. The agent loads it for one printer,
// calls DavDllMain and frees it again, so every piece of state it keeps
// between polls lives in the printer's registry settings.
#include <windows.h>

#include "common/dav_records.h"
#include "rmmmodel/context_status_manager.h"
#include "rmmmodel/driver_data_key.h"
#include "rmmmodel/plugin_entry.h"
#include "rmmmodel/plugin_services.h"

extern "C" __declspec(dllexport) int WINAPI DavDllMain(DavAgentContext* context,
                                                       const char* printerName) {
  if (context == nullptr || context->status == nullptr || printerName == nullptr) return 0;
  rmmmodel::DriverDataKey settings;
  rmmmodel::ContextStatusManager statusManager(*context);
  return rmmmodel::RunPlugin(*context, printerName,
                             {settings.calls(), statusManager.calls(), rmmmodel::WindowsServices()});
}
