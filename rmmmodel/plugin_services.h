#pragma once
// The mail sender, clock, pause and mail log as the plug-in uses them on
// Windows.

#include "rmmmodel/core/plugin_host.h"

namespace rmmmodel {

class WindowsServices : public PluginServices {
 public:
  bool SendMail(const char* printerName, int kind, DavNoticeRequest& request) override;
  std::uint64_t UtcFileTimeNow() override;
  void Pause(std::uint32_t milliseconds) override;
  void LogError(const char* message) override;
};

}  // namespace rmmmodel
