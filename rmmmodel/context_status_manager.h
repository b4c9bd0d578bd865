#pragma once
// The status manager as the agent hands it over in its context: the loaded
// library and three of its entries. The direct read, which the agent does not
// look up, is found in the same library by name.

#include "common/dav_records.h"
#include "rmmmodel/core/plugin_host.h"

namespace rmmmodel {

class ContextStatusManager {
 public:
  explicit ContextStatusManager(const DavAgentContext& context) : context_(context) {}

  StatusManagerCalls calls();

  int Open(const char* printerName, std::uint32_t mode, void** manager);
  bool ReadPrinterStatus(void* manager, DavPrinterStatus& status);
  std::optional<std::uint32_t> ReadPageCount(void* manager);
  void Close(void* manager);

 private:
  const DavAgentContext& context_;
};

}  // namespace rmmmodel
