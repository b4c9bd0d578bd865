#pragma once
// The status manager as the agent hands it over in its context: the loaded
// library and three of its entries. The direct read, which the agent does not
// look up, is found in the same library by name.

#include "common/dav_records.h"
#include "rmmmodel/core/plugin_host.h"

namespace rmmmodel {

class ContextStatusManager : public StatusManager {
 public:
  explicit ContextStatusManager(const DavAgentContext& context) : context_(context) {}

  int Open(const char* printerName, std::uint32_t mode, void** manager) override;
  bool ReadPrinterStatus(void* manager, DavPrinterStatus& status) override;
  std::optional<std::uint32_t> ReadPageCount(void* manager) override;
  void Close(void* manager) override;

 private:
  const DavAgentContext& context_;
};

}  // namespace rmmmodel
